#pragma once

#include <string>
#include <string_view>

namespace quillset {

struct PageSettings;

// The bytes Print sends: page header, the document's script and the page
// trailer in one buffer, converted from UTF-8 to code page 437, the
// printer's character set. The script's line ends go out as it holds them.
std::string buildPrintStream(const PageSettings& settings, std::string_view script);

} // namespace quillset
