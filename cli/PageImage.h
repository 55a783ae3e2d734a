#pragma once

#include <string>

namespace quillset {
struct DotPictureView;
}

namespace quillset::cli {

// The picture as a 1-bit grey PNG, black where a dot is set. Empty when the
// image cannot be made (width or height 0).
std::string pngImage(const DotPictureView& picture);

// The picture as a binary PBM (P4) image.
std::string pbmImage(const DotPictureView& picture);

} // namespace quillset::cli
