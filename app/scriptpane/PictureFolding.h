#pragma once

#include "editor/PictureFolds.h"

#include <QPoint>
#include <QRect>
#include <QTextBlock>

#include <optional>
#include <vector>

class QPainter;
class QPlainTextEdit;

namespace quillset {

// The script pane's folds: a picture's dot lines hidden under its
// statement, which shows "[+] 120 lines of dots" after it. A click on that,
// the pane's context menu, or the cursor reaching a hidden line opens them.
class PictureFolding {
public:
    explicit PictureFolding(QPlainTextEdit& pane);

    // Folds every picture: after the pane shows a script.
    void foldAll();
    // Finds the folds again after typing, each keeping whether it is folded.
    void refresh();
    // The fold whose statement is `block` or whose dots hold it.
    std::optional<std::size_t> foldAt(const QTextBlock& block) const;
    bool folded(std::size_t fold) const;
    void setFolded(std::size_t fold, bool folded);
    // The fold whose marker lies at `pos` in the viewport.
    std::optional<std::size_t> markerAt(QPoint pos) const;
    // The markers of the folded pictures in view.
    void paint(QPainter& painter) const;

private:
    struct Fold {
        QTextBlock statement;
        int lines = 0;
    };
    void find();
    QTextBlock firstDots(const Fold& fold) const { return fold.statement.next(); }
    QRect markerRect(const Fold& fold) const;
    static QString markerText(const Fold& fold);

    QPlainTextEdit& pane_;
    std::vector<Fold> folds_;
};

} // namespace quillset
