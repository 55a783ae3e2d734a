#pragma once

namespace quillset {

struct PageObject;

// What the rectangle Properties dialog shows and hands back.
struct RectangleFields {
    int rectX = 0;
    int rectY = 0;
    int rectHeight = 0;
    int rectWidth = 0;
    int borderSize = 0;
    int rectStyle = -1;  // 0 filled, 1 hollow, -1 none chosen
    int rectColour = -1; // 0 white, 1 black, -1 none chosen

    friend bool operator==(const RectangleFields&, const RectangleFields&) = default;
};

inline constexpr int kFilledStyle = 0;
inline constexpr int kHollowStyle = 1;
// A hollow rectangle confirmed with border 0 gets this border: 0 would mean
// filled.
inline constexpr int kDefaultHollowBorder = 3;

// The size is in the dots the rectangle covers, both edges included: from
// 8 to 823 is 816 dots wide.
RectangleFields rectangleFieldsOf(const PageObject& rectangle);

// Stores the dialog's values. A negative width or height turns the
// rectangle over its corner: it is stored with left <= right and
// top <= bottom, so that it draws and can be hit like any other. x and y are
// left alone.
void applyRectangleFields(PageObject& rectangle, const RectangleFields& fields);

} // namespace quillset
