#include "editor/TextProperties.h"

#include "document/Compile.h"
#include "model/ObjectList.h"
#include "model/PageObject.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace quillset {
namespace {

class TextPropertiesTest : public ::testing::Test {
protected:
    PageObject compiled(std::string_view line) {
        auto list = std::make_unique<ObjectList>();
        addStatement(*list, line, measurer);
        return (*list)[0];
    }

    FontTable fonts;
    TextRenderer measurer{fonts};
};

TEST_F(TextPropertiesTest, FillThenApplyUnchangedKeepsTheObject) {
    const PageObject before = compiled("DrawText(30,40,1,1,\"<f=5>a<b>b\\nc\");");
    const TextEditFields f = textEditFieldsOf(before);
    EXPECT_EQ(f.newObject, 0);
    EXPECT_EQ((std::array{f.posX, f.posY, f.colour, f.angle}), (std::array{30, 40, 1, 1}));
    PageObject after;
    applyTextEditFields(after, f, measurer);
    EXPECT_EQ(after.kind, ObjectKind::Text);
    EXPECT_EQ(after.literal, before.literal);
    EXPECT_TRUE(after.styled.sameContent(before.styled));
    EXPECT_EQ((std::array{after.left, after.top, after.right, after.bottom}),
              (std::array{before.left, before.top, before.right, before.bottom}));
}

TEST_F(TextPropertiesTest, ApplyMeasuresAtTheNewAngleAndPlace) {
    const PageObject upright = compiled("DrawText(100,200,1,0,\"AB\");");
    const int width = upright.right - upright.left;
    const int height = upright.bottom - upright.top;
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);

    const struct {
        const char* why;
        int angle, x, y;
        int left, top, right, bottom;
    } cases[] = {
        {"turned half round the box lies left of and above the origin", 2, 100, 200, 100 - width,
         200 - height, 100, 200},
        {"turned a quarter the box runs up from the origin", 1, 100, 200, 100, 200 - width,
         100 + height, 200},
        {"a new origin moves the box", 0, 10, 20, 10, 20, 10 + width, 20 + height},
    };
    for (const auto& c : cases) {
        PageObject o = upright;
        TextEditFields f = textEditFieldsOf(o);
        f.angle = c.angle, f.posX = c.x, f.posY = c.y;
        applyTextEditFields(o, f, measurer);
        EXPECT_EQ((std::array{o.x, o.y}), (std::array{c.x, c.y})) << c.why;
        EXPECT_EQ((std::array{o.left, o.top, o.right, o.bottom}),
                  (std::array{c.left, c.top, c.right, c.bottom}))
            << c.why;
    }
}

} // namespace
} // namespace quillset
