#pragma once

#include "language/DotPicture.h"

namespace quillset {

// The part of a picture that goes to a raster printer: its left `printWidth`
// dots (the whole width when 0 or wider than the picture), packed to whole
// bytes per row with the bits past the width cleared, as printers print
// every bit they are sent. A page goes whole and its rows end on whole
// bytes, so it is sent as it is; otherwise the part is copied into `copy`,
// which the answer then shows.
DotPictureView sentPicture(const DotPictureView& picture, int printWidth, DotPicture& copy);

} // namespace quillset
