#pragma once

#include "language/DotPicture.h"
#include "language/LanguageOptions.h"

#include <string>

namespace quillset {

// A TSPL label of the picture: SIZE in mm at the printer's 8 dots a mm,
// GAP, BLINE or continuous from the media when set, DIRECTION 0,0, DENSITY
// and SPEED when set, CLS, the rows with black dots as BITMAP commands,
// PRINT 1 with the copies. Lines end in CR LF.
std::string encodeTspl(const DotPictureView& picture, const LanguageOptions& options);

} // namespace quillset
