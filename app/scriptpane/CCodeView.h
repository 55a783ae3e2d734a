#pragma once

#include "app/scriptpane/PictureFolding.h"
#include "app/shell/TypedText.h"

#include <QPlainTextEdit>

namespace quillset {

class CFolioDoc;
class LongScriptView;

// The script pane. Its text and the document's script are two copies kept in
// step by explicit copies only: the pane shows the script when the document
// replaces it, and its text goes back into the script at Compile and after a
// paste. Typing marks the document modified; what was typed reaches the
// script when it is compiled, which the document does before every
// operation (takeTypedText()).
class CCodeView : public QPlainTextEdit, public TypedText {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 0x80FFFF;

    explicit CCodeView(CFolioDoc& document, QWidget* parent = nullptr);

    // The pane's text with CR LF line ends, as the script holds typed lines.
    QString text() const;
    // Replaces the pane's text by the document's script. A script too long
    // to edit is shown read-only instead (showsLongScript()): the pane's own
    // text stays empty and text() is the script.
    void showScript();
    bool showsLongScript() const { return long_; }
    LongScriptView* longScriptView() const { return longView_; }

    // The user changed the text since the pane last showed the script or
    // handed its text to Compile.
    bool hasTypedText() const override { return typed_; }
    // text() for Compile: from now on nothing counts as typed.
    QString compileText();
    std::optional<QString> takeTypedText() override;

signals:
    // The page view drops its drawing tool when the user turns to the script.
    void focusEntered();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters that may still be added in place of the selection.
    int room() const;

    void showLongScript();
    void textEdited();
    // The cursor on a folded picture's dots opens them.
    void cursorMoved();
    static bool isUndoKey(const QKeyEvent* event);
    static bool isRedoKey(const QKeyEvent* event);

    CFolioDoc& document_;
    bool typed_ = false;
    // Set while the pane shows the script, which is no typing.
    bool showing_ = false;
    LongScriptView* longView_;
    bool long_ = false;
    PictureFolding folding_{*this};
};

} // namespace quillset
