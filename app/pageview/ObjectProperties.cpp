#include "app/pageview/ObjectProperties.h"

#include "app/dialogs/CBarcodeDlg.h"
#include "app/dialogs/CRectPropertiesDlg.h"
#include "app/dialogs/CSymbolDlg.h"
#include "app/dialogs/CTextEditDlg.h"
#include "model/PageObject.h"

namespace quillset {

namespace {

// Runs `Dialog` on the fields `fill` takes from the object and applies them
// with `apply` on OK.
template <typename Dialog, typename Fill, typename Apply>
bool runDialog(PageObject& object, QWidget* parent, Fill fill, Apply apply) {
    Dialog dialog(fill(object), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    apply(object, dialog.fields());
    return true;
}

// OK without a change leaves the rectangle as it is, even one whose corners
// the script gave in the other order.
bool editRectangle(PageObject& rectangle, QWidget* parent) {
    const RectangleFields start = rectangleFieldsOf(rectangle);
    CRectPropertiesDlg dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.fields() == start)
        return false;
    applyRectangleFields(rectangle, dialog.fields());
    return true;
}

} // namespace

bool editObjectProperties(PageObject& object, TextRenderer& measurer, QWidget* parent) {
    switch (object.kind) {
    case ObjectKind::Rectangle:
        return editRectangle(object, parent);
    case ObjectKind::Text:
        return runDialog<CTextEditDlg>(
            object, parent, textEditFieldsOf,
            [&measurer](PageObject& text, const TextEditFields& fields) {
                applyTextEditFields(text, fields, measurer);
            });
    case ObjectKind::Symbol:
        return runDialog<CSymbolDlg>(object, parent, symbolFieldsOf, applySymbolFields);
    default:
        return runDialog<CBarcodeDlg>(object, parent, barcodeFieldsOf, applyBarcodeFields);
    }
}

} // namespace quillset
