#pragma once

#include "model/Picture.h"
#include "picture/GreyImage.h"

#include <memory>
#include <string>

namespace quillset {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size in dots of an image of imageWidth x imageHeight pixels made
// `width` dots wide, its aspect kept: at least one dot each way and, where
// the largest picture would be passed, made smaller as a whole.
PictureSize importSize(int imageWidth, int imageHeight, int width);

// The image laid on white, brought to `size` with an averaging filter and
// made black and white: the dots, with how they were made (no text form
// yet, no source).
Picture importPicture(const GreyImage& image, PictureSize size, Dithering dithering, int level);

// The picture as objects hold it: its text form made, `source` (code page
// 437) kept when it fits the statement, else left empty.
std::shared_ptr<const Picture> finishPicture(Picture picture, std::string source);

// The same picture at another size, made again from its own dots with its
// own dithering: what a resize on the page does.
std::shared_ptr<const Picture> resizedPicture(const Picture& picture, PictureSize size);

} // namespace quillset
