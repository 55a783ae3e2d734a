#include "app/scriptpane/PictureFolding.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <string>

namespace quillset {

PictureFolding::PictureFolding(QPlainTextEdit& pane)
    : pane_(pane) {}

void PictureFolding::find() {
    std::vector<std::string> text;
    for (QTextBlock b = pane_.document()->begin(); b.isValid(); b = b.next())
        text.push_back(b.text().toStdString());
    const std::vector<std::string_view> lines(text.begin(), text.end());
    folds_.clear();
    for (const PictureFold& fold : pictureFolds(lines))
        folds_.push_back({pane_.document()->findBlockByNumber(fold.statement), fold.lines});
}

void PictureFolding::foldAll() {
    find();
    for (std::size_t i = 0; i < folds_.size(); ++i)
        setFolded(i, true);
}

void PictureFolding::refresh() {
    find();
    // A fold stays folded when its first dot line is still hidden, and all
    // its dots with it; hidden lines that typing took out of every fold
    // (a line typed between the statement and its dots) show again.
    std::size_t next = 0;
    bool changed = false;
    for (QTextBlock b = pane_.document()->begin(); b.isValid(); b = b.next()) {
        bool visible = true;
        if (next < folds_.size()) {
            const int first = folds_[next].statement.blockNumber() + 1;
            const int n = b.blockNumber();
            if (n >= first && n < first + folds_[next].lines)
                visible = !folded(next);
            if (n + 1 >= first + folds_[next].lines && n >= first)
                ++next;
        }
        if (b.isVisible() != visible) {
            b.setVisible(visible);
            changed = true;
        }
    }
    if (changed) {
        pane_.document()->markContentsDirty(0, pane_.document()->characterCount());
        pane_.viewport()->update();
    }
}

std::optional<std::size_t> PictureFolding::foldAt(const QTextBlock& block) const {
    const int n = block.blockNumber();
    for (std::size_t i = 0; i < folds_.size(); ++i) {
        const int first = folds_[i].statement.blockNumber();
        if (n >= first && n <= first + folds_[i].lines)
            return i;
    }
    return std::nullopt;
}

bool PictureFolding::folded(std::size_t fold) const {
    return !firstDots(folds_[fold]).isVisible();
}

void PictureFolding::setFolded(std::size_t fold, bool folded) {
    const Fold& f = folds_[fold];
    QTextBlock b = firstDots(f);
    const int from = b.position();
    int to = from;
    for (int i = 0; i < f.lines && b.isValid(); ++i, b = b.next()) {
        b.setVisible(!folded);
        to = b.position() + b.length();
    }
    pane_.document()->markContentsDirty(from, to - from);
    pane_.viewport()->update();
}

QString PictureFolding::markerText(const Fold& fold) {
    return QStringLiteral("[+] %1 lines of dots").arg(fold.lines);
}

QRect PictureFolding::markerRect(const Fold& fold) const {
    QTextCursor end(fold.statement);
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect at = pane_.cursorRect(end);
    const QFontMetrics metrics(pane_.font());
    return {at.right() + metrics.horizontalAdvance(QLatin1Char(' ')), at.top(),
            metrics.horizontalAdvance(markerText(fold)) + 6, at.height()};
}

std::optional<std::size_t> PictureFolding::markerAt(QPoint pos) const {
    for (std::size_t i = 0; i < folds_.size(); ++i) {
        if (folded(i) && markerRect(folds_[i]).contains(pos))
            return i;
    }
    return std::nullopt;
}

void PictureFolding::paint(QPainter& painter) const {
    const QRect view = pane_.viewport()->rect();
    const QPalette& palette = pane_.palette();
    for (std::size_t i = 0; i < folds_.size(); ++i) {
        if (!folded(i))
            continue;
        const QRect box = markerRect(folds_[i]);
        if (!box.intersects(view))
            continue;
        painter.setPen(palette.color(QPalette::Mid));
        painter.setBrush(palette.color(QPalette::AlternateBase));
        painter.drawRoundedRect(box.adjusted(0, 1, 0, -1), 3, 3);
        painter.setPen(palette.color(QPalette::PlaceholderText));
        painter.drawText(box, Qt::AlignCenter, markerText(folds_[i]));
    }
}

} // namespace quillset
