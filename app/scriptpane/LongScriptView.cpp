#include "app/scriptpane/LongScriptView.h"

#include "app/scriptpane/PaneColumns.h"
#include "app/scriptpane/ScriptHighlighter.h"
#include "model/CodePage437.h"
#include "model/Limits.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace quillset {

namespace {

int clampedInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, std::numeric_limits<int>::max()));
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The part [from, to) of the row's characters as a UTF-16 range of `shown`.
QTextLayout::FormatRange rangeOf(QStringView shown, std::size_t from, std::size_t to,
                                 const QTextCharFormat& format) {
    const qsizetype start = utf16Index(shown, static_cast<qsizetype>(from));
    const qsizetype end = utf16Index(shown, static_cast<qsizetype>(to));
    return {static_cast<int>(start), static_cast<int>(end - start), format};
}

} // namespace

LongScriptView::LongScriptView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , notice_(new QLabel(this)) {
    setAccessibleName(QStringLiteral("Script, read-only"));
    setFocusPolicy(Qt::StrongFocus);
    notice_->setText(QStringLiteral("This script is too long to edit here. It is shown "
                                    "read-only, long lines in rows of %1 characters; the page's "
                                    "tools and Compile still work on it.")
                         .arg(ScriptRows::kRowChars));
    notice_->setWordWrap(true);
    notice_->setAccessibleName(QStringLiteral("Script Notice"));
    notice_->setMargin(4);
    notice_->setAutoFillBackground(true);
    QPalette paper = viewport()->palette();
    paper.setColor(QPalette::Window, paper.color(QPalette::Base));
    viewport()->setPalette(paper);
    viewport()->setBackgroundRole(QPalette::Base);
}

void LongScriptView::setScript(SharedScript script, const PageSettings& page) {
    script_ = std::move(script);
    rows_ = ScriptRows(*script_);
    spans_.clear();
    findings_ = checkPaneScript(*script_, page);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

std::size_t LongScriptView::firstRow() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

int LongScriptView::rowHeight() const {
    return fontMetrics().lineSpacing();
}

int LongScriptView::rowsOnScreen() const {
    return std::max(1, viewport()->height() / rowHeight());
}

void LongScriptView::updateScrollBars() {
    const int page = rowsOnScreen();
    verticalScrollBar()->setRange(0, std::max(0, clampedInt(rows_.count()) - page));
    verticalScrollBar()->setPageStep(page);
    const int width =
        fontMetrics().horizontalAdvance(QLatin1Char('W')) * clampedInt(ScriptRows::kRowChars + 1);
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void LongScriptView::resizeEvent(QResizeEvent* event) {
    const int noticeHeight = notice_->heightForWidth(width());
    setViewportMargins(0, noticeHeight, 0, 0);
    notice_->setGeometry(0, 0, width(), noticeHeight);
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

const std::vector<ScriptSpan>& LongScriptView::spansOf(std::string_view line) {
    if (spans_.size() > 1024)
        spans_.clear();
    auto [found, added] = spans_.try_emplace(line.data());
    if (added && line.size() <= kColourableBytes)
        found->second = scriptSpans(utf8ToCp437(line));
    return found->second;
}

const CheckFinding* LongScriptView::findingOn(std::size_t lineNumber) const {
    const auto found = std::lower_bound(
        findings_.begin(), findings_.end(), lineNumber,
        [](const CheckFinding& f, std::size_t n) { return static_cast<std::size_t>(f.line) < n; });
    if (found != findings_.end() && static_cast<std::size_t>(found->line) == lineNumber)
        return &*found;
    // The finding past the 500th line is the last, and stands for all after it.
    const auto last = static_cast<std::size_t>(kMaxObjects);
    if (found == findings_.end() && !findings_.empty() &&
        static_cast<std::size_t>(findings_.back().line) > last && lineNumber > last)
        return &findings_.back();
    return nullptr;
}

void LongScriptView::layOut(QTextLayout& layout, const ScriptRows::Row& row) {
    const QString shown = layout.text();
    const auto rowChars =
        static_cast<std::size_t>(std::count_if(row.text.begin(), row.text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    const std::size_t rowEnd = row.column + rowChars;
    QList<QTextLayout::FormatRange> formats;
    for (const ScriptSpan& span : spansOf(row.line)) {
        const auto from = static_cast<std::size_t>(span.start);
        const auto to = from + static_cast<std::size_t>(span.length);
        if (to <= row.column || from >= rowEnd)
            continue;
        formats.append(rangeOf(shown, std::max(from, row.column) - row.column,
                               std::min(to, rowEnd) - row.column,
                               ScriptHighlighter::spanFormat(span.kind)));
    }
    if (const CheckFinding* finding = findingOn(row.lineNumber)) {
        // Reading that gave up at the end of the line marks its last character.
        std::size_t from = static_cast<std::size_t>(finding->column - 1);
        const bool lastRowOfLine = row.text.end() == row.line.end();
        if (lastRowOfLine && from >= rowEnd && rowEnd > 0)
            from = rowEnd - 1;
        if (from < rowEnd) {
            QTextCharFormat wavy;
            wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            wavy.setUnderlineColor(Qt::red);
            formats.append(rangeOf(shown, std::max(from, row.column) - row.column, rowChars, wavy));
        }
    }
    layout.setFormats(formats);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

void LongScriptView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = rowHeight();
    int y = 0;
    for (const ScriptRows::Row& row : rows_.rows(firstRow(), rowsOnScreen() + 1)) {
        QTextLayout layout(text(row.text), font(), viewport());
        layOut(layout, row);
        layout.draw(&painter, QPointF(-horizontalScrollBar()->value() + 2, y));
        y += height;
    }
}

QString LongScriptView::reasonOnRow(std::size_t row) const {
    const std::vector<ScriptRows::Row> shown = rows_.rows(row, 1);
    if (shown.empty())
        return {};
    const CheckFinding* finding = findingOn(shown.front().lineNumber);
    return finding ? QString::fromStdString(finding->reason) : QString();
}

void LongScriptView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* rows = verticalScrollBar();
    if (event->key() == Qt::Key_Home && event->modifiers() & Qt::ControlModifier)
        rows->setValue(0);
    else if (event->key() == Qt::Key_End && event->modifiers() & Qt::ControlModifier)
        rows->setValue(rows->maximum());
    else if (event->key() == Qt::Key_Home)
        horizontalScrollBar()->setValue(0);
    else if (event->key() == Qt::Key_End)
        horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void LongScriptView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit focusEntered();
}

bool LongScriptView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString reason =
        reasonOnRow(firstRow() + static_cast<std::size_t>(help->pos().y() / rowHeight()));
    if (reason.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), reason, viewport());
    return true;
}

} // namespace quillset
