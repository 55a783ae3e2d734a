#include "cli/Invocation.h"

#include <algorithm>
#include <charconv>

namespace quillset::cli {

std::optional<std::string> Invocation::value(std::string_view option) const {
    const auto found = options.find(option);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < low || number > high)
        return std::nullopt;
    return number;
}

std::optional<std::string> parseInvocation(const std::vector<std::string>& args,
                                           const std::vector<OptionSpec>& options, int positionals,
                                           Invocation& invocation) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            invocation.help = true;
            return std::nullopt;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            invocation.positionals.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto known = std::find_if(options.begin(), options.end(),
                                        [&](const OptionSpec& o) { return o.name == name; });
        if (known == options.end())
            return "Unknown option " + name + ".";
        std::string value;
        if (known->valueName.empty()) {
            if (equals != std::string::npos)
                return "Option " + name + " takes no value.";
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "Option " + name + " needs a value: " + std::string(known->valueName) + ".";
        }
        invocation.options[name] = value;
    }
    if (static_cast<int>(invocation.positionals.size()) != positionals)
        return "Expected " + std::to_string(positionals) + " file argument" +
               (positionals == 1 ? "" : "s") + ", got " +
               std::to_string(invocation.positionals.size()) + ".";
    if (const auto type = invocation.value("--printer-type")) {
        if (*type != "2" && *type != "3" && *type != "4")
            return "--printer-type must be 2, 3 or 4.";
        invocation.printerType = std::stoi(*type);
    }
    return std::nullopt;
}

} // namespace quillset::cli
