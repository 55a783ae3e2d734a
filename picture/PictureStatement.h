#pragma once

#include "model/PageObject.h"

#include <string>

namespace quillset {

class ScriptReader;

// DrawPicture(x, y, width, height, dithering, level, "source") and the
// lines of its dots: the object, or why they do not make one.
struct PictureStatement {
    PageObject object;
    std::string failure; // empty when they do
};

// `reader` has read the statement's line; `body` holds the picture lines
// after it, each followed by a line feed.
PictureStatement readPictureStatement(const ScriptReader& reader, std::string body);

} // namespace quillset
