#pragma once

#include "editor/TextProperties.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QTextCharFormat;
class QTextEdit;

namespace quillset {

// The text of a text object, written in a styled box where single
// characters are made bold, underlined or double size, with its font,
// angle, colour and position. OK turns the box into the object's two forms
// of the text (characters with attributes, and the script literal); the
// caller applies them.
class CTextEditDlg : public QDialog {
    Q_OBJECT
public:
    // The box opens on the characters of `start.styled` with their styles,
    // and the font list on their font.
    explicit CTextEditDlg(const TextEditFields& start, QWidget* parent = nullptr);

    // The start values until OK, then the text built from the box.
    TextEditFields fields() const { return fields_; }

    void accept() override;

    // The style buttons: on the whole selection, off when it all has the
    // style already, else on. An empty selection changes nothing.
    void onBold();
    void onUnderline();
    void onDoubleSize();

private:
    void showText(const StyledText& styled);
    void holdToLimit();
    // Applies `change` to the selection when `hasStyle` is false for any
    // character of it, else `undo`.
    void toggleStyle(bool (*hasStyle)(const QTextCharFormat&), const QTextCharFormat& change,
                     const QTextCharFormat& undo);

    TextEditFields fields_;
    QTextEdit* editor_ = nullptr;
    QButtonGroup* angle_ = nullptr;
    QButtonGroup* colour_ = nullptr;
    QListWidget* fontList_ = nullptr;
    QLineEdit* x_ = nullptr;
    QLineEdit* y_ = nullptr;
    bool trimming_ = false;
};

} // namespace quillset
