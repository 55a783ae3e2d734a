#include "cli/Command.h"

#include <iostream>
#include <string>
#include <vector>

using namespace quillset::cli;

namespace {

// One line per command; a new command is a file of its own and an entry here.
const Command* const kCommands[] = {
    &renderCommand, &objectsCommand, &scriptCommand,   &streamCommand, &encodeCommand,
    &saveCommand,   &checkCommand,   &fontsCommand,
#ifdef QUILLSET_CLI_PRINT
    &printCommand,  &listenCommand,  &printersCommand, &statusCommand, &addImageCommand,
#endif
};

const OptionSpec kCommonOptions[] = {
    {"--printer-type", "2|3|4", "paper width before the file applies its page size (default 2)"},
};

void printUsage(std::ostream& out) {
    out << "Usage: quillset-cli COMMAND FILE... [options]\n"
           "FILE may be - for standard input.\n\nCommands:\n";
    for (const Command* command : kCommands)
        out << "  " << command->name << std::string(10 - command->name.size(), ' ')
            << command->summary << '\n';
    out << "\nRun quillset-cli COMMAND --help for its options; quillset-cli --version shows the "
           "version.\n";
}

void printCommandHelp(const Command& command, const std::vector<OptionSpec>& options) {
    std::cout << "Usage: quillset-cli " << command.name << ' ' << command.arguments
              << " [--printer-type 2|3|4]\n"
              << command.summary << "\n\nOptions:\n";
    for (const OptionSpec& option : options) {
        std::string left(option.name);
        if (!option.valueName.empty())
            left.append(" ").append(option.valueName);
        std::cout << "  " << left << std::string(left.size() < 22 ? 22 - left.size() : 1, ' ')
                  << option.help << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(std::cerr);
        return 1;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        printUsage(std::cout);
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "quillset-cli " QUILLSET_VERSION "\n";
        return 0;
    }
    for (const Command* command : kCommands) {
        if (command->name != args[0])
            continue;
        std::vector<OptionSpec> options = command->options;
        options.insert(options.end(), std::begin(kCommonOptions), std::end(kCommonOptions));
        Invocation invocation;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (const auto error = parseInvocation(rest, options, command->positionals, invocation)) {
            std::cerr << *error << "\nUsage: quillset-cli " << command->name << ' '
                      << command->arguments << " [--printer-type 2|3|4]\n";
            return 1;
        }
        if (invocation.help) {
            printCommandHelp(*command, options);
            return 0;
        }
        return command->run(invocation);
    }
    std::cerr << "Unknown command " << args[0] << ".\n";
    printUsage(std::cerr);
    return 1;
}
