#include "app/scriptpane/ScriptRows.h"

#include <algorithm>

namespace quillset {

namespace {

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The length of the line break at `at`: 2 for CR LF, else 1.
std::size_t breakLength(std::string_view text, std::size_t at) {
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

} // namespace

bool ScriptRows::editable(std::string_view script) {
    if (script.size() > kEditableBytes)
        return false;
    std::size_t lines = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (!isBreak(script[i]))
            continue;
        if (i - lineStart > kEditableLineBytes || ++lines > kEditableLines)
            return false;
        i += breakLength(script, i) - 1;
        lineStart = i + 1;
    }
    return script.size() - lineStart <= kEditableLineBytes;
}

ScriptRows::ScriptRows(std::string_view script)
    : script_(script) {
    Position at;
    Row current;
    Position next;
    for (; row(at, current, next); at = next, ++count_) {
        if (count_ % kStride == 0)
            stops_.push_back(at);
        const bool endsLine = next.column == 0;
        if (endsLine && at.column > 0)
            longLines_.emplace_back(at.lineStart, at.offset + current.text.size());
    }
}

std::vector<ScriptRows::Row> ScriptRows::rows(std::size_t first, std::size_t count) const {
    std::vector<Row> out;
    if (first >= count_)
        return out;
    Position at = stops_[first / kStride];
    Row current;
    Position next;
    for (std::size_t skip = first % kStride; skip > 0; --skip, at = next)
        row(at, current, next);
    for (; out.size() < count && row(at, current, next); at = next) {
        current.line = lineOf(current, at, next);
        out.push_back(current);
    }
    return out;
}

bool ScriptRows::row(const Position& at, Row& row, Position& next) const {
    const std::size_t size = script_.size();
    if (at.offset > size)
        return false;
    std::size_t end = at.offset;
    std::size_t chars = 0;
    for (; end < size && !isBreak(script_[end]); ++end) {
        if (startsCharacter(script_[end])) {
            if (chars == kRowChars)
                break;
            ++chars;
        }
    }
    row.text = script_.substr(at.offset, end - at.offset);
    row.lineNumber = at.lineNumber;
    row.column = at.column;
    next = at;
    if (end == size) {
        next.offset = size + 1;
        next.column = 0;
    } else if (isBreak(script_[end])) {
        next.offset = next.lineStart = end + breakLength(script_, end);
        ++next.lineNumber;
        next.column = 0;
    } else {
        next.offset = end;
        next.column += chars;
    }
    return true;
}

std::string_view ScriptRows::lineOf(const Row& row, const Position& at,
                                    const Position& next) const {
    if (at.column == 0 && next.column == 0)
        return row.text;
    const auto found = std::lower_bound(longLines_.begin(), longLines_.end(),
                                        std::pair(at.lineStart, std::size_t{0}));
    return script_.substr(found->first, found->second - found->first);
}

} // namespace quillset
