#pragma once

#include "cli/Invocation.h"

#include <string_view>
#include <vector>

namespace quillset::cli {

// One command of the tool: what it is called, what it accepts and what it
// does. Every command also takes --printer-type and --help.
struct Command {
    std::string_view name;
    std::string_view arguments; // the usage line after the name
    std::string_view summary;
    int positionals;                 // exactly this many
    std::vector<OptionSpec> options; // besides the common ones
    int (*run)(const Invocation&);
};

extern const Command renderCommand;
extern const Command objectsCommand;
extern const Command scriptCommand;
extern const Command streamCommand;
extern const Command saveCommand;
extern const Command checkCommand;
extern const Command fontsCommand;
extern const Command encodeCommand;
extern const Command printCommand;    // built with the Qt printer layer only
extern const Command listenCommand;   // likewise
extern const Command printersCommand; // likewise
extern const Command statusCommand;   // likewise
extern const Command addImageCommand; // built with Qt Gui's picture readers only

} // namespace quillset::cli
