#include "app/pageview/ObjectProperties.h"

#include "app/dialogs/CBarcodeDlg.h"
#include "app/dialogs/CPictureDlg.h"
#include "app/dialogs/CRectPropertiesDlg.h"
#include "app/dialogs/CSymbolDlg.h"
#include "app/dialogs/CTextEditDlg.h"
#include "model/CodePage437.h"
#include "model/PageObject.h"
#include "picture/PictureObject.h"

#include <QDir>

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

// Made again from its file, or only moved while the file is gone.
bool editPicture(PageObject& picture, const QString& documentFolder, QWidget* parent) {
    const Picture& dots = *picture.picture;
    PictureFields start;
    const QString source = QString::fromStdString(cp437ToUtf8(dots.source));
    start.file = source.isEmpty() ? QString() : QDir(documentFolder).absoluteFilePath(source);
    start.x = picture.left;
    start.y = picture.top;
    start.onPage = true;
    start.width = dots.width;
    start.dithering = dots.dithering;
    start.level = dots.level;
    CPictureDlg dialog(start, picture.picture, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    picture.picture = dialog.picture();
    placePicture(picture, dialog.fields().x, dialog.fields().y);
    return true;
}

bool editFontText(PageObject& fontText, QWidget* parent) {
    CTextEditDlg dialog(fontTextFieldsOf(fontText), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyFontTextFields(fontText, dialog.fontTextFields());
    return true;
}

} // namespace

bool editObjectProperties(PageObject& object, TextRenderer& measurer,
                          const QString& documentFolder, QWidget* parent) {
    switch (object.kind) {
    case ObjectKind::Picture:
        return editPicture(object, documentFolder, parent);
    case ObjectKind::Rectangle:
        return editRectangle(object, parent);
    case ObjectKind::Text:
        return runDialog<CTextEditDlg>(
            object, parent, textEditFieldsOf,
            [&measurer](PageObject& text, const TextEditFields& fields) {
                applyTextEditFields(text, fields, measurer);
            });
    case ObjectKind::FontText:
        return editFontText(object, parent);
    case ObjectKind::Symbol:
        return runDialog<CSymbolDlg>(object, parent, symbolFieldsOf, applySymbolFields);
    default:
        return runDialog<CBarcodeDlg>(object, parent, barcodeFieldsOf, applyBarcodeFields);
    }
}

} // namespace quillset
