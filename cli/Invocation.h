#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillset::cli {

struct OptionSpec {
    std::string_view name;      // "--as-pane", "-o"
    std::string_view valueName; // empty for a flag
    std::string_view help;
};

// A command's arguments after parsing: positionals in order, options by name.
struct Invocation {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> options; // a flag maps to ""
    int printerType = 2;
    bool help = false;

    bool has(std::string_view option) const { return options.contains(option); }
    std::optional<std::string> value(std::string_view option) const;
};

// A whole number low..high written in full, or nothing.
std::optional<int> wholeNumber(std::string_view text, int low, int high);

// Parses what follows the command name. `-` is a positional (standard
// input). Options may be written "--name value" or "--name=value". Returns
// the error message, or nothing when the arguments are good.
std::optional<std::string> parseInvocation(const std::vector<std::string>& args,
                                           const std::vector<OptionSpec>& options, int positionals,
                                           Invocation& invocation);

} // namespace quillset::cli
