#pragma once

#include <optional>
#include <string>

namespace quillset {

class ObjectList;
struct PageObject;
struct PageSettings;

// What an object is called in the status bar: its symbology or barcode type
// ("QR Code", "Code 128"), else its kind ("text", "picture").
std::string objectName(const PageObject& object);

// The note for the status bar after object `index` was placed, moved,
// resized or turned: the topmost object it overlaps and the page's sides it
// crosses ("The Data Matrix overlaps the QR Code and leaves the page at the
// right"); nothing when it stands clear. Rectangles are the page's boxes and
// fills, drawn under or around other objects on purpose: they neither
// overlap nor are overlapped. Boxes touch at a shared dot.
std::optional<std::string> clashNote(const ObjectList& list, int index, const PageSettings& page);

} // namespace quillset
