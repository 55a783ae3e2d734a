#pragma once

#include "editor/ZOrder.h"

#include <optional>
#include <variant>

class QPoint;
class QWidget;

namespace quillset {

// The Properties item of the object menu.
struct PropertiesCommand {};

using ObjectMenuCommand = std::variant<ZOrderCommand, PropertiesCommand>;

// The menu of a right click on an object: the four drawing-order commands,
// a separator and "Properties". Shown at `globalPos` until the user picks an
// item or closes it; none when closed.
std::optional<ObjectMenuCommand> execObjectMenu(const QPoint& globalPos, QWidget* parent);

} // namespace quillset
