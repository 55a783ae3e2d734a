#include "app/scriptpane/CCodeView.h"

#include "app/scriptpane/LongScriptView.h"
#include "app/shell/CFolioDoc.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <memory>

namespace quillset {

namespace {

// Characters the two texts have in common from the start.
qsizetype firstDifference(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a.at(i) == b.at(i))
        ++i;
    return i;
}

} // namespace

CCodeView::CCodeView(CFolioDoc& document, QWidget* parent)
    : QPlainTextEdit(parent)
    , document_(document)
    , longView_(new LongScriptView(this)) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(11);
    setFont(font);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAccessibleName(QStringLiteral("Script"));
    connect(this, &QPlainTextEdit::textChanged, this, &CCodeView::textEdited);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CCodeView::cursorMoved);
    longView_->hide();
    connect(longView_, &LongScriptView::focusEntered, this, &CCodeView::focusEntered);
    connect(&document_, &CFolioDoc::changed, this, [this](CFolioDoc::Changes what) {
        if (what & CFolioDoc::Change::Script)
            showScript();
    });
    document_.setTypedText(this);
    connect(this, &QObject::destroyed, &document_, [&document] { document.setTypedText(nullptr); });
}

QString CCodeView::text() const {
    if (long_)
        return document_.script();
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// Kept script lines end in a line feed alone, statements in CR LF, and a
// lone carriage return breaks a line too: in the pane each is one break.
void CCodeView::showScript() {
    if (!ScriptRows::editable(document_.session().script())) {
        showLongScript();
        return;
    }
    if (long_) {
        long_ = false;
        setFocusProxy(nullptr);
        longView_->hide();
        setReadOnly(false);
    }
    QString script = document_.script();
    script.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QScopedValueRollback showing(showing_, true);
    const QString before = toPlainText();
    const int scrolled = verticalScrollBar()->value();
    const int cursorAt = textCursor().position();
    setPlainText(script);
    folding_.foldAll();
    typed_ = false;
    // The pane stays where it was and shows the first line that changed: a
    // statement the page added, moved or changed comes into view.
    verticalScrollBar()->setValue(scrolled);
    const qsizetype same = firstDifference(before, script);
    if (same == script.size() && same == before.size()) {
        QTextCursor cursor(document());
        cursor.setPosition(std::min(cursorAt, static_cast<int>(script.size())));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(scrolled);
        return;
    }
    const int line = static_cast<int>(script.left(same).count(QLatin1Char('\n')));
    const QTextBlock changed = document()->findBlockByNumber(line);
    if (changed.isValid()) {
        setTextCursor(QTextCursor(changed));
        ensureCursorVisible();
    }
}

// The editor would take many times the script's size and long waits to lay
// it out; the rows show it at the cost of the screen.
void CCodeView::showLongScript() {
    const QScopedValueRollback showing(showing_, true);
    const bool focused = hasFocus() || longView_->hasFocus();
    clear();
    document()->clearUndoRedoStacks();
    setReadOnly(true);
    longView_->setScript(document_.session().sharedScript(), document_.session().settings());
    longView_->setGeometry(rect());
    longView_->show();
    longView_->raise();
    setFocusProxy(longView_);
    if (focused)
        longView_->setFocus();
    long_ = true;
    typed_ = false;
}

void CCodeView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    longView_->setGeometry(rect());
}

QString CCodeView::compileText() {
    typed_ = false;
    // What is compiled becomes a step of the document's history; the pane's
    // own undo only covers typing since.
    document()->clearUndoRedoStacks();
    return text();
}

std::optional<QString> CCodeView::takeTypedText() {
    if (!typed_)
        return std::nullopt;
    return compileText();
}

void CCodeView::textEdited() {
    if (showing_)
        return;
    folding_.refresh();
    const bool started = !typed_;
    typed_ = true;
    if (started)
        document_.typingStarted();
    else
        document_.markModified();
}

void CCodeView::cursorMoved() {
    const QTextBlock block = textCursor().block();
    if (block.isVisible())
        return;
    if (const auto fold = folding_.foldAt(block))
        folding_.setFolded(*fold, false);
}

void CCodeView::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    folding_.paint(painter);
}

void CCodeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const auto fold = folding_.markerAt(event->position().toPoint())) {
            folding_.setFolded(*fold, false);
            return;
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}

// The pane's own menu, with the folding of the picture under the pointer.
void CCodeView::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (const auto fold = folding_.foldAt(cursorForPosition(event->pos()).block())) {
        const bool folded = folding_.folded(*fold);
        menu->addSeparator();
        menu->addAction(folded ? QStringLiteral("Show the picture's dots")
                               : QStringLiteral("Fold the picture's dots"),
                        this, [this, fold = *fold, folded] { folding_.setFolded(fold, !folded); });
    }
    menu->exec(event->globalPos());
}

void CCodeView::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit focusEntered();
}

// Ctrl+Z first takes back typing not yet compiled, then the document's
// steps; redo the same way round.
bool CCodeView::isUndoKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Undo);
}

bool CCodeView::isRedoKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Redo) ||
           QKeySequence(event->keyCombination()) == QKeySequence(Qt::CTRL | Qt::Key_Y) ||
           QKeySequence(event->keyCombination()) == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

bool CCodeView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isUndoKey(key) || isRedoKey(key)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void CCodeView::keyPressEvent(QKeyEvent* event) {
    if (isUndoKey(event)) {
        if (document()->isUndoAvailable()) {
            undo();
        } else {
            // All typing has been taken back: the pane shows the script.
            typed_ = false;
            document_.undo();
        }
        return;
    }
    if (isRedoKey(event)) {
        if (document()->isRedoAvailable())
            redo();
        else
            document_.redo();
        return;
    }
    const QString typed = event->text();
    const bool inserts =
        !typed.isEmpty() &&
        (typed.at(0).isPrint() || typed == QLatin1String("\r") || typed == QLatin1String("\t")) &&
        !(event->modifiers() & Qt::ControlModifier);
    if (inserts && room() < typed.size())
        return;
    QPlainTextEdit::keyPressEvent(event);
}

// Every way text arrives from the clipboard ends here: the Paste command,
// the pane's own Ctrl+V, the X11 selection and drops.
void CCodeView::insertFromMimeData(const QMimeData* source) {
    if (long_ || !source->hasText())
        return;
    const int fits = room();
    if (fits <= 0)
        return;
    textCursor().insertText(source->text().left(fits));
    ensureCursorVisible();
    document_.setScript(text());
}

int CCodeView::room() const {
    const QTextCursor cursor = textCursor();
    const int used =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return kTextLimit - used;
}

} // namespace quillset
