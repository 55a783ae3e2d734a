#pragma once

#include "editor/FontTextProperties.h"
#include "editor/TextProperties.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextCharFormat;
class QTextEdit;

namespace quillset {

class FontTextPanel;

// The two kinds of text the dialog makes.
enum class TextSide { PrinterFont, InstalledFont };

// A text in one of the printer's fonts or in an installed font, on two
// sides named so. The printer side writes the text in a styled box where
// single characters are made bold, underlined or double size, with its
// font, angle, colour and position; OK turns the box into the object's two
// forms of the text (characters with attributes, and the script literal).
// The installed side is FontTextPanel. The caller applies the result of the
// side OK was pressed on.
class CTextEditDlg : public QDialog {
    Q_OBJECT
public:
    // A printer-font text alone. The box opens on the characters of
    // `start.styled` with their styles, and the font list on their font.
    explicit CTextEditDlg(const TextEditFields& start, QWidget* parent = nullptr);
    // An installed-font text alone.
    explicit CTextEditDlg(const FontTextFields& start, QWidget* parent = nullptr);
    // A new text of either kind (the Text tool), opening on `opensOn`.
    CTextEditDlg(const TextEditFields& printer, const FontTextFields& installed, TextSide opensOn,
                 QWidget* parent = nullptr);

    // The side shown, and after OK the side the text was made on.
    TextSide side() const;
    // The start values until OK, then the text built from the box.
    TextEditFields fields() const { return fields_; }
    // The installed side's start values until OK on that side, then its
    // text.
    FontTextFields fontTextFields() const { return fontTextFields_; }

    void accept() override;

    // The style buttons: on the whole selection, off when it all has the
    // style already, else on. An empty selection changes nothing.
    void onBold();
    void onUnderline();
    void onDoubleSize();

private:
    // `bothSides` false: only `opensOn` is shown, without the tabs.
    CTextEditDlg(const TextEditFields& printer, const FontTextFields& installed, TextSide opensOn,
                 bool bothSides, QWidget* parent);
    QWidget* makePrinterSide(const TextEditFields& start);
    void acceptPrinterSide();
    void showText(const StyledText& styled);
    void holdToLimit();
    // Applies `change` to the selection when `hasStyle` is false for any
    // character of it, else `undo`.
    void toggleStyle(bool (*hasStyle)(const QTextCharFormat&), const QTextCharFormat& change,
                     const QTextCharFormat& undo);

    TextEditFields fields_;
    FontTextFields fontTextFields_;
    QTabWidget* sides_ = nullptr;
    FontTextPanel* installed_ = nullptr;
    QTextEdit* editor_ = nullptr;
    QButtonGroup* angle_ = nullptr;
    QButtonGroup* colour_ = nullptr;
    QListWidget* fontList_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    bool trimming_ = false;
};

} // namespace quillset
