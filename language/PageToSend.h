#pragma once

#include "language/DotPicture.h"

#include <string>

namespace quillset {

// A page as the printer languages take it: a raster printer's picture, or
// the script printer's page stream, made only when asked for.
class PageToSend {
public:
    virtual ~PageToSend() = default;
    virtual DotPictureView picture() const = 0;
    virtual std::string stream() const = 0;
};

} // namespace quillset
