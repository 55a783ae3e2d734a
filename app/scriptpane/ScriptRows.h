#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace quillset {

// The rows in which the script pane shows a script too long to edit: each
// line in rows of at most kRowChars characters, so that a line of any length
// costs no more to show than the rows on screen. Rows point into the script,
// which is neither copied nor changed; only every kStride-th row is
// remembered, so a million lines cost a few kilobytes.
//
// Lines end where Compile ends them: at CR LF, a lone CR or a lone LF. A
// break at the very end is followed by an empty last row, as in an editor.
class ScriptRows {
public:
    static constexpr std::size_t kRowChars = 200;
    // Past these the script is shown in rows instead of being edited.
    static constexpr std::size_t kEditableLines = 10'000;
    static constexpr std::size_t kEditableLineBytes = 10'000;
    static constexpr std::size_t kEditableBytes = 1'000'000;

    struct Row {
        std::string_view text;      // without the line break
        std::string_view line;      // the whole line the row is part of
        std::size_t lineNumber = 0; // 1-based
        std::size_t column = 0;     // characters of the line before the row
    };

    // Whether an editor can hold the script without long waits and many
    // times its size in memory.
    static bool editable(std::string_view script);

    ScriptRows() = default;
    explicit ScriptRows(std::string_view script);

    std::size_t count() const { return count_; }
    // Up to `count` rows from row `first` on.
    std::vector<Row> rows(std::size_t first, std::size_t count) const;

private:
    struct Position {
        std::size_t offset = 0;    // where the row starts
        std::size_t lineStart = 0; // where its line starts
        std::size_t lineNumber = 1;
        std::size_t column = 0;
    };
    static constexpr std::size_t kStride = 256;

    // The row starting at `at` and where the next one starts (a new line
    // when next.column is 0); false at the end of the script.
    bool row(const Position& at, Row& row, Position& next) const;
    // The line of a row; only lines of more than one row are looked up.
    std::string_view lineOf(const Row& row, const Position& at, const Position& next) const;

    std::string_view script_;
    std::vector<Position> stops_;
    // Where each line of more than one row starts and ends, in order.
    std::vector<std::pair<std::size_t, std::size_t>> longLines_;
    std::size_t count_ = 0;
};

} // namespace quillset
