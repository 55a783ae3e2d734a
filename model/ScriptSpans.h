#pragma once

#include <string_view>
#include <vector>

namespace quillset {

enum class ScriptSpanKind { Keyword, Number, Literal, Tag, Escape };

// A run of characters of one script line that is shown in its own style.
struct ScriptSpan {
    ScriptSpanKind kind;
    int start; // characters from the start of the line
    int length;
    bool operator==(const ScriptSpan&) const = default;
};

// The parts of a drawing statement (code page 437, one byte a character), in
// line order and without overlap: the drawing keyword, the numbers of the
// argument list, and the string literal from quote to quote, broken by its
// style tags and escapes. A misspelt keyword gets no span; nothing after
// the literal or the closing parenthesis does either, because the reader
// never looks there. Lines that are not meant as drawing statements
// (looksLikeDrawing) have no spans: Compile keeps them as written.
std::vector<ScriptSpan> scriptSpans(std::string_view line);

} // namespace quillset
