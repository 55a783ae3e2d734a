#include "document/PageStreamInterpreter.h"

#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "raster/PageRaster.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quillset {
namespace {

bool sameDots(const PageRaster& a, const PageRaster& b) {
    const PageSettings& pa = a.settings;
    const PageSettings& pb = b.settings;
    if (pa.pageWidth != pb.pageWidth || pa.pageHeight != pb.pageHeight ||
        pa.leftMargin != pb.leftMargin || pa.topMargin != pb.topMargin)
        return false;
    for (int row = 0; row < pa.pageHeight; ++row)
        for (int column = 0; column < pa.rowBytes; ++column)
            if (a.GetByte(column, row) != b.GetByte(column, row))
                return false;
    return true;
}

// What Print sends of each example is drawn as Open and render draw the file.
TEST(PageStreamInterpreter, PrintedExamplesAreThePagesOpenShows) {
    int examples = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUILLSET_SOURCE_DIR) + "/examples")) {
        RecordingReporter reporter;
        FolioSession opened;
        ASSERT_TRUE(opened.open(entry.path().string(), reporter));
        FolioSession printed;
        interpretPageStream(printed, opened.printStream());
        EXPECT_TRUE(sameDots(printed.raster(), opened.raster())) << entry.path();
        EXPECT_EQ(printed.objects().count, opened.objects().count) << entry.path();
        ++examples;
    }
    EXPECT_GE(examples, 4);
}

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
