#include "app/pageview/ToolSetUp.h"

#include "app/dialogs/CBarcodeDlg.h"
#include "app/dialogs/CSymbolDlg.h"
#include "model/PageObject.h"

namespace quillset {

namespace {

// 10 mm at 8 dots a millimetre (203 dpi): a hand scanner's line finds bars
// that tall without careful aiming, and it is about 15 % of a Code 128 of
// some twenty characters, the proportion scanners are made for. Lower bars
// (the old 3 mm) read only with the scanner held square to them.
constexpr int kFirstBarcodeHeight = 80;

} // namespace

ToolSetUp::ToolSetUp() {
    barcode_.typeIndex = 0;
    barcode_.height = kFirstBarcodeHeight;
}

std::optional<PageObject> ToolSetUp::text(TextRenderer& measurer, QWidget* parent) {
    text_.angle = 0;
    text_.colour = 1;
    text_.styled = StyledText();
    text_.literal.clear();
    text_.newObject = 1;
    fontText_.text.clear();
    fontText_.angle = 0;
    fontText_.colour = 1;
    CTextEditDlg dialog(text_, fontText_, textSide_, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    textSide_ = dialog.side();
    PageObject prepared;
    if (textSide_ == TextSide::InstalledFont) {
        fontText_ = dialog.fontTextFields();
        applyFontTextFields(prepared, fontText_);
    } else {
        text_ = dialog.fields();
        applyTextEditFields(prepared, text_, measurer);
    }
    return prepared;
}

std::optional<PageObject> ToolSetUp::picture(QWidget* parent) {
    const QString file = choosePictureFile(parent, picture_.file);
    if (file.isEmpty())
        return std::nullopt;
    picture_.file = file;
    picture_.width = 0;
    CPictureDlg dialog(picture_, nullptr, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    picture_ = dialog.fields();
    PageObject prepared;
    prepared.kind = ObjectKind::Picture;
    prepared.picture = dialog.picture();
    return prepared;
}

std::optional<PageObject> ToolSetUp::barcode(QWidget* parent) {
    barcode_.data.clear();
    barcode_.codeSet = Code128CodeSet::Auto;
    barcode_.angleIndex = 0;
    barcode_.positionReadOnly = true;
    CBarcodeDlg dialog(barcode_, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    barcode_ = dialog.fields();
    PageObject prepared;
    prepared.kind = ObjectKind::Barcode;
    applyBarcodeFields(prepared, barcode_);
    return prepared;
}

std::optional<PageObject> ToolSetUp::symbol(QWidget* parent) {
    symbol_.data.clear();
    symbol_.angleIndex = 0;
    symbol_.positionReadOnly = true;
    CSymbolDlg dialog(symbol_, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    symbol_ = dialog.fields();
    PageObject prepared;
    applySymbolFields(prepared, symbol_);
    return prepared;
}

} // namespace quillset
