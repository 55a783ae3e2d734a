#pragma once

#include "symbol/SymbolImage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quillset {

// A symbol encoded, or the reason it cannot be, in the user's words
// ("QR Code: 3,000 characters do not fit").
struct EncodedSymbol {
    std::shared_ptr<const SymbolImage> image;
    std::string problem;
};

// `data` (code page 437, as the object holds it) encoded by the symbology
// with its option, each module `module` dots. The same arguments give the
// same image, shared: encodings are remembered (a few hundred, from any
// thread), so that rendering a page again does not encode it again.
EncodedSymbol encodeSymbol(std::int32_t symbology, int module, int option, std::string_view data);

} // namespace quillset
