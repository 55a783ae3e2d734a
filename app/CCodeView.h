#pragma once

#include <QPlainTextEdit>

namespace quillset {

class CFolioDoc;

// The script pane. Its text and the document's script are two copies kept in
// step by explicit copies only: the pane shows the script when the document
// replaces it, and its text goes back into the script at Compile and after a
// paste. Typing alone leaves the script as it was.
class CCodeView : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 0x80FFFF;

    explicit CCodeView(CFolioDoc& document, QWidget* parent = nullptr);

    // The pane's text with CR LF line ends, as the script holds typed lines.
    QString text() const;
    // Replaces the pane's text by the document's script.
    void showScript();

signals:
    // The page view drops its drawing tool when the user turns to the script.
    void focusEntered();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters that may still be added in place of the selection.
    int room() const;

    CFolioDoc& document_;
};

} // namespace quillset
