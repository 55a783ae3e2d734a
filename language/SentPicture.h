#pragma once

#include "language/DotPicture.h"

namespace quillset {

// The part of a picture that goes to a raster printer: its left `printWidth`
// dots (the whole width when 0 or wider than the picture), packed to whole
// bytes per row with the bits past the width cleared, as printers print
// every bit they are sent.
DotPicture sentPicture(const DotPictureView& picture, int printWidth);

} // namespace quillset
