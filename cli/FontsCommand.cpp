#include "cli/Command.h"
#include "font/FontEngine.h"

#include <iostream>

namespace quillset::cli {

namespace {

// One family a line, as a font text's "family" takes it. A text no one
// font has every character of is a failure a script can test for.
int run(const Invocation& invocation) {
    const std::string covering = invocation.value("--covering").value_or("");
    const std::vector<std::string> families = FontEngine::shared().families(covering);
    for (const std::string& family : families)
        std::cout << family << '\n';
    if (families.empty()) {
        if (covering.empty())
            std::cerr << "No font is installed.\n";
        else
            std::cerr << "No installed font has every character of '" << covering << "'.\n";
        return 1;
    }
    return 0;
}

} // namespace

const Command fontsCommand = {
    "fonts",
    "[--covering TEXT]",
    "List the installed font families a font text can name, one a line.",
    0,
    {{"--covering", "TEXT", "only the families that have every character of TEXT (UTF-8)"}},
    run,
};

} // namespace quillset::cli
