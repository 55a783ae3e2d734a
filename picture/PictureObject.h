#pragma once

#include "model/PageObject.h"

#include <memory>

namespace quillset {

// A picture object with its first dot at (x, y), its box the dots'.
PageObject pictureObject(std::shared_ptr<const Picture> picture, int x, int y);

// Moves a picture object's first dot to (x, y), its box with it.
void placePicture(PageObject& object, int x, int y);

} // namespace quillset
