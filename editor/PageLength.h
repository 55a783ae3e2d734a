#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// The units Page Setup shows lengths in. The page itself is always in dots;
// a length typed in inches or millimetres becomes the nearest dot at the
// printers' 203 dots per inch.
enum class LengthUnit { Inches, Millimetres, Dots };

inline constexpr int kDotsPerInch = 203;

// The nearest dot to `value` in `unit`; halves round away from zero.
int dotsFromLength(double value, LengthUnit unit);

// `dots` as the unit shows them: inches with 2 decimals, millimetres with 1,
// dots whole ("6.00", "152.4", "1218").
std::string lengthText(int dots, LengthUnit unit);

// A typed length in `unit` as dots: a whole number for dots, a decimal
// number (point, not comma) for inches and millimetres; nothing when the
// text is neither.
std::optional<int> dotsFromText(std::string_view text, LengthUnit unit);

// The unit's short name, as shown after a box and kept between runs:
// "in", "mm", "dots". An unknown name reads as dots.
std::string_view unitName(LengthUnit unit);
LengthUnit unitNamed(std::string_view name);

} // namespace quillset
