#pragma once

#include "app/scriptpane/ScriptRows.h"
#include "document/ScriptCheck.h"
#include "document/SharedScript.h"
#include "model/ScriptSpans.h"

#include <QAbstractScrollArea>

#include <string_view>
#include <unordered_map>
#include <vector>

class QLabel;
class QTextLayout;

namespace quillset {

// How the script pane shows a script too long to edit: read-only, in the
// rows of ScriptRows, coloured and underlined as the editor colours and
// checks. Only the rows on screen are laid out and coloured, so opening and
// scrolling cost the same for a million lines or one line of 50 MB. The
// script itself is only read, never copied or changed.
class LongScriptView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Lines longer than this are shown plain: colouring reads a whole line.
    static constexpr std::size_t kColourableBytes = 64 * 1024;

    explicit LongScriptView(QWidget* parent = nullptr);

    // Shows `script`, held while it is shown: the document may replace its
    // own before the pane is told. Its lines are checked against `page`.
    void setScript(SharedScript script, const PageSettings& page);
    const ScriptRows& rows() const { return rows_; }
    // The first row on screen.
    std::size_t firstRow() const;

    // The checker's reason for the line shown on row `row`, or an empty text.
    QString reasonOnRow(std::size_t row) const;

signals:
    void focusEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void updateScrollBars();
    int rowHeight() const;
    int rowsOnScreen() const;
    const std::vector<ScriptSpan>& spansOf(std::string_view line);
    const CheckFinding* findingOn(std::size_t lineNumber) const;
    void layOut(QTextLayout& layout, const ScriptRows::Row& row);

    QLabel* notice_;
    SharedScript script_;
    ScriptRows rows_;
    // By line number; the one past the 500th stands for every later line.
    std::vector<CheckFinding> findings_;
    // The spans of the lines last on screen, by where each line starts.
    std::unordered_map<const char*, std::vector<ScriptSpan>> spans_;
};

} // namespace quillset
