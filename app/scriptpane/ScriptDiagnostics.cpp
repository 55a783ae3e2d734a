#include "app/scriptpane/ScriptDiagnostics.h"

#include "app/scriptpane/PaneColumns.h"
#include "app/shell/CFolioDoc.h"
#include "document/ScriptCheck.h"
#include "model/Limits.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolTip>

namespace quillset {

namespace {

// Marks the pane's extra selections that are ours.
constexpr int kDiagnosticProperty = QTextFormat::UserProperty + 2;

bool contains(const QTextCursor& range, int position) {
    return range.selectionStart() <= position && position <= range.selectionEnd();
}

QTextCursor range(QTextDocument* document, qsizetype from, qsizetype to) {
    QTextCursor cursor(document);
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    return cursor;
}

// A wavy underline: red under a problem, grey-blue under a note.
QTextCharFormat diagnosticFormat(bool note) {
    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(note ? QColor(0x60, 0x80, 0xa8) : QColor(Qt::red));
    wavy.setProperty(kDiagnosticProperty, true);
    return wavy;
}

} // namespace

ScriptDiagnostics::ScriptDiagnostics(QPlainTextEdit& pane, QStatusBar& statusBar,
                                     const CFolioDoc& document)
    : QObject(&pane)
    , pane_(pane)
    , document_(document)
    , statusBar_(&statusBar) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &ScriptDiagnostics::check);
    connect(&pane_, &QPlainTextEdit::textChanged, &timer_, qOverload<>(&QTimer::start));
    connect(&document, &CFolioDoc::changed, this, [this](CFolioDoc::Changes what) {
        if (what & CFolioDoc::Change::Page)
            timer_.start();
    });
    connect(&pane_, &QPlainTextEdit::cursorPositionChanged, this,
            &ScriptDiagnostics::showReasonOfCursorLine);
    // A menu's status tip clears the bar when the menu closes.
    connect(&statusBar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty() && pane_.hasFocus())
            showReasonOfCursorLine();
    });
    pane_.viewport()->installEventFilter(this);
    timer_.start();
}

// The pane's plain text breaks lines where Compile does, one character for
// each break, so its indexes are the pane's positions.
void ScriptDiagnostics::check() {
    timer_.stop();
    const QString text = pane_.toPlainText();
    const QByteArray utf8 = text.toUtf8();
    const std::vector<CheckFinding> findings =
        checkPaneScript(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                        document_.session().settings());
    diagnostics_.clear();
    int line = 1;
    qsizetype start = 0;
    for (const CheckFinding& finding : findings) {
        for (; line < finding.line; ++line)
            start = text.indexOf(QLatin1Char('\n'), start) + 1;
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = finding.line > kMaxObjects || lineEnd < 0 ? text.size() : lineEnd;
        qsizetype from =
            start + utf16Index(QStringView(text).sliced(start, end - start), finding.column - 1);
        // Reading that gave up at the end of the line marks its last character.
        if (from == end && end > start)
            from -= text[end - 1].isLowSurrogate() && end - 1 > start ? 2 : 1;
        diagnostics_.push_back({range(pane_.document(), start, end),
                                range(pane_.document(), from, end),
                                QString::fromStdString(finding.reason), finding.note});
    }
    underline();
    // A note the page view or a command left in the bar (what a placed
    // object overlaps) stays while the user works outside the pane.
    const QString current = statusBar_ ? statusBar_->currentMessage() : QString();
    if (pane_.hasFocus() || current.isEmpty() || current == shown_)
        showReasonOfCursorLine();
}

void ScriptDiagnostics::underline() {
    QList<QTextEdit::ExtraSelection> selections = pane_.extraSelections();
    selections.removeIf([](const QTextEdit::ExtraSelection& s) {
        return s.format.hasProperty(kDiagnosticProperty);
    });
    for (const Diagnostic& d : diagnostics_)
        selections.append({d.underline, diagnosticFormat(d.note)});
    pane_.setExtraSelections(selections);
}

QString ScriptDiagnostics::reasonAt(int position) const {
    for (const Diagnostic& d : diagnostics_) {
        if (contains(d.line, position))
            return d.reason;
    }
    return {};
}

QString ScriptDiagnostics::underlinedReasonAt(int position) const {
    for (const Diagnostic& d : diagnostics_) {
        if (contains(d.underline, position))
            return d.reason;
    }
    return {};
}

void ScriptDiagnostics::showReasonOfCursorLine() {
    if (!statusBar_)
        return;
    const QString reason = reasonAt(pane_.textCursor().position());
    if (!reason.isEmpty() && statusBar_->currentMessage() != reason)
        statusBar_->showMessage(reason);
    else if (reason.isEmpty() && !shown_.isEmpty() && statusBar_->currentMessage() == shown_)
        statusBar_->clearMessage();
    shown_ = reason;
}

bool ScriptDiagnostics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString reason = underlinedReasonAt(pane_.cursorForPosition(help->pos()).position());
    if (reason.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), reason, pane_.viewport());
    return true;
}

} // namespace quillset
