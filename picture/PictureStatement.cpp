#include "picture/PictureStatement.h"

#include "model/Limits.h"
#include "model/ScriptReader.h"
#include "picture/PictureObject.h"
#include "picture/PictureText.h"

#include <memory>
#include <utility>

namespace quillset {

PictureStatement readPictureStatement(const ScriptReader& reader, std::string body) {
    PictureStatement read;
    const auto& a = reader.args;
    if (a[2] < 1 || a[2] > kMaxPictureWidth)
        read.failure = "a picture is 1 to " + std::to_string(kMaxPictureWidth) + " dots wide";
    else if (a[3] < 1 || a[3] > kMaxPictureHeight)
        read.failure = "a picture is 1 to " + std::to_string(kMaxPictureHeight) + " dots high";
    else if (a[4] < 0 || a[4] > 2)
        read.failure = "the dithering is 0 (threshold), 1 (ordered) or 2 (diffusion)";
    else if (a[5] < 0 || a[5] > 255)
        read.failure = "the threshold level is 0 to 255";
    if (!read.failure.empty())
        return read;
    PictureRows dots = readPictureBody(body, a[2], a[3]);
    if (dots.failure != nullptr) {
        read.failure = dots.failure;
        return read;
    }
    Picture picture;
    picture.width = a[2];
    picture.height = a[3];
    picture.rows = std::move(dots.rows);
    picture.body = std::move(body);
    picture.source = std::string(reader.text.text());
    picture.dithering = static_cast<Dithering>(a[4]);
    picture.level = a[5];
    read.object = pictureObject(std::make_shared<const Picture>(std::move(picture)), a[0], a[1]);
    return read;
}

} // namespace quillset
