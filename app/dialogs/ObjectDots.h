#pragma once

#include <QImage>

#include <functional>

namespace quillset {

struct PageObject;

// Puts an object's origin at (x, y) in page dots and sets its bounds, as a
// dialog's apply function does with its fields.
using PlaceObject = std::function<void(PageObject& object, int x, int y)>;

// The dots one object prints, drawn by the page renderer exactly as on the
// page (turned, with a barcode's human-readable line) and cut to the dots it
// inks and its box, one pixel a dot; a null image when it inks none. What
// lies beyond the largest page is cut off.
QImage objectDots(const PlaceObject& place);

} // namespace quillset
