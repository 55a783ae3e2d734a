#pragma once

#include <cstdint>
#include <memory>

namespace quillset {
class ObjectList;
}

namespace quillset::bench {

// A full 832 x 1248 page of text, the worst a label gets: 54 lines of 83
// characters (two lines to a text object) in `attribute`, at angle 0 or 1,
// over a dozen rectangles filled and hollow in both colours.
std::unique_ptr<ObjectList> densePage(int angle, std::uint8_t attribute);

} // namespace quillset::bench
