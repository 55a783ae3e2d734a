#include "app/CFolioApp.h"

int main(int argc, char** argv) {
    quillset::CFolioApp app(argc, argv);
    return app.run();
}
