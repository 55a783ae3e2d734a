#include "bench/support/DensePage.h"

#include "model/ObjectList.h"

#include <string>

namespace quillset::bench {

namespace {

constexpr int kLines = 54;
constexpr int kColumns = 83;
constexpr int kLineHeight = 23;

} // namespace

std::unique_ptr<ObjectList> densePage(int angle, std::uint8_t attribute) {
    auto list = std::make_unique<ObjectList>();
    for (int i = 0; i < 12; ++i) {
        PageObject box;
        box.kind = ObjectKind::Rectangle;
        box.left = 20 + 60 * i;
        box.top = 30 + 90 * i;
        box.right = box.left + 200;
        box.bottom = box.top + 120;
        box.colour = i % 3 == 0 ? 0 : 1;
        box.border = i % 2 == 0 ? 0 : i % 5 + 1;
        list->append(box);
    }
    // Two lines to a text object: 2 x 83 characters and a line feed fit a
    // field of 199.
    for (int line = 0; line < kLines; line += 2) {
        std::string chars;
        for (int l = line; l < line + 2; ++l) {
            for (int c = 0; c < kColumns; ++c) {
                chars += static_cast<char>(33 + (l * 7 + c * 13) % 94);
            }
            chars += '\n';
        }
        chars.pop_back();
        PageObject text;
        text.kind = ObjectKind::Text;
        text.colour = 1;
        text.angle = angle;
        text.x = angle == 1 ? line * kLineHeight : 1;
        text.y = angle == 1 ? 1247 : line * kLineHeight;
        text.styled.assign(chars, attribute);
        list->append(text);
    }
    return list;
}

} // namespace quillset::bench
