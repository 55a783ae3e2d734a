#include "document/PageStreamInterpreter.h"

#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(PageStreamInterpreter, TheScriptIsDrawnAsItCame) {
    FolioSession session(3);
    const std::string stream = "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(8,16);\r\n"
                               "SetPageSize(200,100);\r\n"
                               "drawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\r\n"
                               "EndPage();\r\n\x1bP#\x04";
    interpretPageStream(session, stream);
    const PageSettings& page = session.settings();
    EXPECT_EQ(page.leftMargin, 8);
    EXPECT_EQ(page.topMargin, 16);
    EXPECT_EQ(page.pageWidth, 192) << "the width in whole byte pairs, as the page view has it";
    EXPECT_EQ(page.pageHeight, 100);
    EXPECT_EQ(session.script(), "drawrectangle ( 1 , 2 , 3 , 4 , 1 , 0 )\r\n")
        << "the frame lines are taken out, the statement is not written again";
    ASSERT_EQ(session.objects().count, 1);
    EXPECT_NE(session.raster().GetByte(0, 2), 0) << "the rectangle's dots are set";
}

} // namespace
} // namespace quillset
