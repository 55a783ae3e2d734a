#include "app/shell/CFolioApp.h"

#include <cstdio>
#include <cstring>

namespace {

// Answered before the application starts, so that they need no display.
const char kHelp[] = "Usage: quillset [FILE]\n"
                     "Design a page for a thermal roll printer; FILE is a page script to open.\n"
                     "\n"
                     "Options:\n"
                     "  --help     show this help and exit\n"
                     "  --version  show the version and exit\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("quillset " QUILLSET_VERSION);
        return 0;
    }
    quillset::CFolioApp app(argc, argv);
    return app.run();
}
