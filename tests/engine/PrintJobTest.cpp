#include "language/PrintJob.h"

#include "model/PageSettings.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

PageSettings settings(int top, int width, int height) {
    PageSettings s;
    s.topMargin = static_cast<std::int16_t>(top);
    s.pageWidth = static_cast<std::int16_t>(width);
    s.pageHeight = static_cast<std::int16_t>(height);
    s.normalise();
    return s;
}

TEST(PrintJob, Streams) {
    const std::string eot(1, '\x04');
    const struct {
        const char* why;
        PageSettings page;
        std::string script;
        std::string want;
    } cases[] = {
        {"one script line between header and trailer", settings(8, 576, 400),
         "DrawRectangle(1,2,3,4,1,0);\r\n",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,8);\r\nSetPageSize(576,400);\r\n"
         "DrawRectangle(1,2,3,4,1,0);\r\nEndPage();\r\n\x1bP#" +
             eot},
        {"an empty script: header straight into trailer", settings(-8, 384, 1248), "",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,-8);\r\nSetPageSize(384,1248);\r\n"
         "EndPage();\r\n\x1bP#" +
             eot},
        {"the script's own line ends are sent, text in the printer's code page",
         settings(0, 384, 10), "// \xC3\xA9\nDrawText(0,0,1,0,\"\xC2\xA3\");\r\n",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,10);\r\n"
         "// \x82\nDrawText(0,0,1,0,\"\x9C\");\r\nEndPage();\r\n\x1bP#" +
             eot},
    };
    for (const auto& c : cases) {
        const std::string stream = buildPrintStream(c.page, c.script);
        EXPECT_EQ(stream, c.want) << c.why;
        EXPECT_EQ(stream.back(), '\x04') << c.why << ": nothing follows the end of transmission";
    }
}

} // namespace
} // namespace quillset
