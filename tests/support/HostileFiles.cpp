#include "tests/support/HostileFiles.h"

#include "model/Limits.h"

namespace quillset::testing {

namespace {

using namespace std::string_literals;

std::string pageFile(const std::string& body) {
    return "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,1248);\r\n" + body +
           "EndPage();\r\n\x1bP#\x04";
}

} // namespace

std::string repeat(const std::string& piece, int times) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

std::string everyByte() {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n' && b != 27 && b != 4) {
            bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

std::vector<HostileFile> hostileFiles() {
    std::vector<HostileFile> files = {
        {"one line of 50 MB", std::string(50'000'000, 'x'), true, 1, 0},
        {"50 MB statement with an endless literal",
         pageFile("DrawText(0,0,1,0,\"" + std::string(50'000'000, 'y') + "\");\r\n"), true, 1, 0},
        {"a million empty lines", std::string(1'000'000, '\n'), false, kMaxObjects,
         1'000'000 - kMaxObjects},
        {"a million statements", pageFile(repeat("DrawRectangle(1,2,3,4,1,0);\r\n", 1'000'000)),
         false, kMaxObjects, 1'000'000 - kMaxObjects},
        {"NUL bytes inside statements",
         pageFile("DrawText(0,0,1,0,\"a\0b\");\r\nDraw\0Rectangle(0,0,9,9,1,0);\r\n\0\0\0\r\n"s),
         false, 3, 0},
        {"invalid UTF-8 and stray high bytes",
         pageFile("DrawText(0,0,1,0,\"\xC3\x28\xFF\xFE\x80\");\r\n"), false, 1, 0},
        {"every byte value in a literal",
         pageFile("DrawText(0,0,1,0,\"" + everyByte() + "\");\r\n"), true, 1, 0},
        {"five and six digit numbers",
         pageFile("DrawRectangle(99999,65535,65536,12345,1,0);\r\n"
                  "DrawRectangle(123456,0,1,1,1,0);\r\nDrawText(000001,0,1,0,\"x\");\r\n"),
         false, 3, 0},
        {"a thousand nested-looking tags",
         pageFile("DrawText(0,0,1,0,\"" + repeat("<B><U><F=10><W=2><H=2>", 1000) + "x\");\r\n"),
         true, 1, 0},
        {"margins and sizes at the 16-bit edges",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(-32768,32767);\r\nSetPageSize(32767,-32768);"
         "\r\n"
         "DrawRectangle(-32768,-32768,32767,32767,1,32767);\r\n"
         "DrawText(32767,32767,1,3,\"far\");\r\nEndPage();\r\n\x1bP#\x04",
         false, 2, 0},
    };
    for (int type = 1; type <= 5; ++type) {
        const std::string data(400, type == 5 ? 'A' : '7');
        files.push_back(
            {"a 400-character barcode of type " + std::to_string(type),
             pageFile("DrawBarcode(0,0,0,1," + std::to_string(type) + ",60,\"" + data + "\");\r\n"),
             true, 1, 0});
    }
    return files;
}

} // namespace quillset::testing
