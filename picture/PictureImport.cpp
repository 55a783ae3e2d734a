#include "picture/PictureImport.h"

#include "model/Limits.h"
#include "picture/Dither.h"
#include "picture/PictureText.h"
#include "picture/Resample.h"

#include <algorithm>
#include <cmath>

namespace quillset {

PictureSize importSize(int imageWidth, int imageHeight, int width) {
    if (imageWidth <= 0 || imageHeight <= 0)
        return {};
    const double aspect = static_cast<double>(imageHeight) / imageWidth;
    double w = std::clamp(width, 1, kMaxPictureWidth);
    double h = std::max(1.0, std::round(w * aspect));
    if (h > kMaxPictureHeight) {
        h = kMaxPictureHeight;
        w = std::max(1.0, std::round(h / aspect));
    }
    return {static_cast<int>(w), static_cast<int>(h)};
}

Picture importPicture(const GreyImage& image, PictureSize size, Dithering dithering, int level) {
    Picture picture;
    picture.width = size.width;
    picture.height = size.height;
    picture.dithering = dithering;
    picture.level = std::clamp(level, 0, 255);
    picture.rows = dither(resample(image, size.width, size.height), size.width, size.height,
                          dithering, picture.level);
    return picture;
}

std::shared_ptr<const Picture> finishPicture(Picture picture, std::string source) {
    picture.body = pictureBody(picture.rows);
    // Each character that needs an escape takes two.
    const auto escaped = source.size() + static_cast<std::size_t>(std::count_if(
                                             source.begin(), source.end(), [](char c) {
                                                 return c == '"' || c == '\\' || c == '<' ||
                                                        c == '\n';
                                             }));
    picture.source = escaped <= kMaxPictureSourceChars ? std::move(source) : std::string();
    return std::make_shared<const Picture>(std::move(picture));
}

std::shared_ptr<const Picture> resizedPicture(const Picture& picture, PictureSize size) {
    GreyImage dots;
    dots.width = picture.width;
    dots.height = picture.height;
    dots.grey.resize(static_cast<std::size_t>(picture.width) *
                     static_cast<std::size_t>(picture.height));
    dots.alpha.assign(dots.grey.size(), 255);
    std::size_t i = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            dots.grey[i++] = picture.black(x, y) ? 0 : 255;
    return finishPicture(importPicture(dots, size, picture.dithering, picture.level),
                         picture.source);
}

} // namespace quillset
