#include "model/ScriptSpans.h"

#include "model/LooksLikeDrawing.h"
#include "model/ScriptReader.h"

#include <algorithm>

namespace quillset {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

class SpanList {
public:
    void add(ScriptSpanKind kind, std::size_t start, std::size_t end) {
        if (end > start)
            spans_.push_back({kind, static_cast<int>(start), static_cast<int>(end - start)});
    }
    std::vector<ScriptSpan> take() { return std::move(spans_); }

private:
    std::vector<ScriptSpan> spans_;
};

// From the opening quote to the closing one, or to the line's end when the
// literal is not closed; returns where it ended. A font text's literal has
// no tags.
std::size_t addLiteral(std::string_view line, std::size_t open, bool tags, SpanList& spans) {
    std::size_t plain = open;
    std::size_t i = open + 1;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            break;
        }
        if (c != '\\' && (c != '<' || !tags)) {
            ++i;
            continue;
        }
        spans.add(ScriptSpanKind::Literal, plain, i);
        std::size_t end = std::min(i + 2, line.size());
        if (c == '\\' && end < line.size() && line[i + 1] == 'u' && line[end] == '{') {
            const std::size_t close = line.find_first_of("}\"", end);
            if (close != std::string_view::npos && line[close] == '}')
                end = close + 1;
        }
        if (c == '<') {
            // A tag ends at '>'; an unclosed one runs up to the quote.
            end = line.find_first_of(">\"", i + 1);
            end = end == std::string_view::npos ? line.size() : end + (line[end] == '>');
        }
        spans.add(c == '<' ? ScriptSpanKind::Tag : ScriptSpanKind::Escape, i, end);
        plain = i = end;
    }
    spans.add(ScriptSpanKind::Literal, plain, i);
    return i;
}

} // namespace

std::vector<ScriptSpan> scriptSpans(std::string_view line) {
    if (!looksLikeDrawing(line))
        return {};
    SpanList spans;
    ScriptReader reader;
    int wordEnd = 0;
    const Keyword keyword = reader.readKeyword(line, wordEnd);
    int literals = keyword == Keyword::DrawFontText ? 2 : 1;
    switch (keyword) {
    case Keyword::DrawRectangle:
    case Keyword::DrawText:
    case Keyword::DrawBarcode:
    case Keyword::DrawSymbol:
    case Keyword::DrawPicture:
    case Keyword::DrawFontText: {
        const std::size_t start = line.find_first_not_of(' ');
        spans.add(ScriptSpanKind::Keyword, start, static_cast<std::size_t>(wordEnd));
        break;
    }
    default:
        break;
    }
    std::size_t i = static_cast<std::size_t>(wordEnd);
    while (i < line.size() && line[i] != ')') {
        if (line[i] == '"') {
            i = addLiteral(line, i, keyword != Keyword::DrawFontText, spans);
            if (--literals == 0)
                break;
            continue;
        }
        if (!isDigit(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i > 0 && line[i - 1] == '-' ? i - 1 : i;
        while (i < line.size() && isDigit(line[i]))
            ++i;
        spans.add(ScriptSpanKind::Number, start, i);
    }
    return spans.take();
}

} // namespace quillset
