#pragma once

namespace quillset {

// The grid's pitch in page dots, the same at which the page view draws it.
inline constexpr int kGridPitch = 10;

// Moves `value` to the nearest grid line, where the grid lies on the
// multiples of 10 of value + offset: offset 0 snaps a page coordinate,
// offset scroll - margin snaps a client coordinate. A value halfway between
// two lines goes to the larger.
int snap(int value, int offset);

} // namespace quillset
