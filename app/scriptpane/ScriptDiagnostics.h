#pragma once

#include <QObject>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

#include <vector>

class QPlainTextEdit;
class QStatusBar;

namespace quillset {

class CFolioDoc;

// Checks the script pane as the user types, once typing pauses: a drawing
// statement that does not read is underlined with a wavy line from where
// reading gave up to the line's end, a barcode whose data would not be
// drawn as given from its literal on, the lines past the 500th from the
// first of them to the end of the text. Hovering the underline shows the
// checker's reason as a tooltip; while the text cursor is on such a line
// the reason stands in the status bar. A note (what prints otherwise than
// asked, such as a font family drawn with another) is underlined in a
// milder colour than a problem. Text and barcodes are judged against the
// document's page, and judged again when the page changes.
class ScriptDiagnostics : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 250;

    ScriptDiagnostics(QPlainTextEdit& pane, QStatusBar& statusBar, const CFolioDoc& document);

    // What the timer does when typing pauses.
    void check();

    // The reason for the line holding the pane position, or an empty text.
    QString reasonAt(int position) const;
    // The same, but only for positions on the underlined part.
    QString underlinedReasonAt(int position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Diagnostic {
        QTextCursor line;      // the whole line selected
        QTextCursor underline; // from the reading's column to the line's end
        QString reason;
        bool note = false;
    };

    void underline();
    void showReasonOfCursorLine();

    QPlainTextEdit& pane_;
    const CFolioDoc& document_;
    QPointer<QStatusBar> statusBar_;
    QTimer timer_;
    std::vector<Diagnostic> diagnostics_;
    // The reason this object put into the status bar, to take back.
    QString shown_;
};

} // namespace quillset
