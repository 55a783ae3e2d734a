#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// The text form of a picture's dots, the lines after its statement: the
// packed rows deflated in a zlib stream (whose checksum tells a damaged
// body), in base64, cut into lines of a colon and at most 192 characters.
inline constexpr char kPictureLineMark = ':';
inline constexpr std::size_t kPictureLineChars = 192;
// Enough lines for the largest picture's rows even where deflate cannot
// shrink them; a body that claims more is not read.
inline constexpr int kMaxPictureBodyLines = 1000;

// A line of the text form: the mark and the base64 alphabet only.
bool isPictureLine(std::string_view line);

// The lines for packed rows, each followed by a line feed.
std::string pictureBody(const std::vector<std::uint8_t>& rows);

struct PictureRows {
    std::vector<std::uint8_t> rows;
    const char* failure = nullptr; // why the body does not read; null when it does
};
// The rows of a width x height picture from its lines (each followed by a
// line feed). The bits past the width in each row's last byte are cleared.
PictureRows readPictureBody(std::string_view body, int width, int height);

} // namespace quillset
