#pragma once

class QWidget;

namespace quillset {

class TextRenderer;
struct PageObject;

// The Properties command on one object: the rectangle Properties dialog for
// a rectangle, the Text Edit dialog for a text, the Barcode dialog for any
// other kind, each filled from the object. On OK the object takes the
// dialog's values and its new bounds (texts measured with `measurer`) and
// true is returned; on Cancel nothing changes.
bool editObjectProperties(PageObject& object, TextRenderer& measurer, QWidget* parent);

} // namespace quillset
