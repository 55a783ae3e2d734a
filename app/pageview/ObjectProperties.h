#pragma once

class QString;
class QWidget;

namespace quillset {

class TextRenderer;
struct PageObject;

// The Properties command on one object: the rectangle Properties dialog for
// a rectangle, the Text Edit dialog for a text (on its printer-font side)
// and for a font text (on its installed-font side), the picture dialog for a
// picture (its file, when named relative, found from `documentFolder`), the
// Barcode dialog for any other kind, each filled from the object. On OK the
// object takes the dialog's values and its new bounds (texts measured with
// `measurer`) and true is returned; on Cancel nothing changes.
bool editObjectProperties(PageObject& object, TextRenderer& measurer,
                          const QString& documentFolder, QWidget* parent);

} // namespace quillset
