#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// The base64 forms of ^GF data: ":Z64:" with the deflated (zlib) image or
// ":B64:" with the image as it is, then the base64 text, ":" and the CRC of
// that text as four upper-case hex digits.

// CRC-16 with polynomial 0x1021, start 0, nothing reflected.
std::uint16_t crc16(std::string_view text);

std::string base64(const std::uint8_t* bytes, std::size_t size);

// Appends ":Z64:...:CRC" of `size` image bytes.
void appendZ64(std::string& out, const std::uint8_t* bytes, std::size_t size);

// Reads ":Z64:" or ":B64:" data (whitespace already gone) into `image`, its
// size the field's byte count; what the data leaves out stays zero. Returns
// what could not be read, empty when all of it could.
std::string readBase64Data(std::string_view data, std::vector<std::uint8_t>& image);

} // namespace quillset
