#pragma once

#include <optional>
#include <string>

namespace quillset {

class ObjectList;

// Why the script printer cannot print the page: its language has no
// statement for the first object that needs one ("The script printer
// cannot draw QR Code; choose ESC/POS or ZPL in Configure > Printer", "...
// cannot draw a picture; ...").
// Nothing when it draws every object. Asked before anything is sent.
std::optional<std::string> scriptPrinterRefusal(const ObjectList& list);

} // namespace quillset
