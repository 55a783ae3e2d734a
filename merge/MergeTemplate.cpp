#include "merge/MergeTemplate.h"

#include "model/ScriptReader.h"

#include <algorithm>

namespace quillset {

namespace {

// Where the literal with fields of a DrawText, DrawBarcode, DrawSymbol or
// DrawFontText line starts (just after its opening quote), or npos for any
// other line; a font text's family, its first literal, holds none. The
// literal itself need not read: fields may make it longer than a line holds
// until they are filled.
std::size_t literalStart(std::string_view line, bool& fontText) {
    ScriptReader reader;
    int pos = 0;
    const Keyword keyword = reader.readKeyword(line, pos);
    fontText = keyword == Keyword::DrawFontText;
    const int numbers = keyword == Keyword::DrawText ? 4
                        : keyword == Keyword::DrawBarcode || keyword == Keyword::DrawSymbol ? 6
                        : fontText                                                           ? 8
                                                                                             : -1;
    if (numbers < 0 || !reader.readNumbers(line, pos, numbers) ||
        static_cast<std::size_t>(pos) >= line.size() || line[static_cast<std::size_t>(pos)] != ',')
        return std::string_view::npos;
    ++pos;
    if (!reader.expect(line, pos, '"'))
        return std::string_view::npos;
    if (fontText) {
        std::string family;
        if (!reader.readUnicodeString(line, pos, family) || !reader.expect(line, pos, ',') ||
            !reader.expect(line, pos, '"'))
            return std::string_view::npos;
    }
    return static_cast<std::size_t>(pos);
}

std::size_t lineBreak(std::string_view text, std::size_t from) {
    return std::min(text.find_first_of("\r\n", from), text.size());
}

} // namespace

void appendLiteralEscaped(std::string_view value, std::string& out) {
    while (!value.empty()) {
        const std::size_t special = std::min(value.find_first_of("\"\\<\r\n"), value.size());
        out.append(value.substr(0, special));
        if (special == value.size())
            return;
        const char c = value[special];
        value.remove_prefix(special + 1);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && !value.empty() && value.front() == '\n')
                value.remove_prefix(1);
            out += "\\n";
        } else {
            out += '\\';
            out += c;
        }
    }
}

MergeTemplate::MergeTemplate(std::string_view script)
    : script_(script) {
    int number = 1;
    for (std::size_t begin = 0; begin < script_.size(); ++number) {
        const std::size_t end = lineBreak(script_, begin);
        bool fontText = false;
        const std::size_t start =
            literalStart(std::string_view(script_).substr(begin, end - begin), fontText);
        if (start != std::string_view::npos)
            cutLine(begin, begin + start, end, number, fontText);
        if (end == script_.size())
            break;
        const bool crlf =
            script_[end] == '\r' && end + 1 < script_.size() && script_[end + 1] == '\n';
        begin = end + (crlf ? 2 : 1);
    }
    pieces_.push_back({textFrom_, script_.size()});
}

// Cuts one statement's literal, from `literal` to the line's `end`, at its
// fields; the text before the line stays one piece.
void MergeTemplate::cutLine(std::size_t begin, std::size_t literal, std::size_t end, int number,
                            bool fontText) {
    const std::size_t piecesBefore = pieces_.size();
    const std::size_t fieldsBefore = fields_.size();
    bool cut = false;
    const auto cutAt = [&](std::size_t at) {
        if (!cut) {
            pieces_.push_back({textFrom_, begin});
            textFrom_ = begin;
            cut = true;
        }
        pieces_.push_back({textFrom_, at});
    };
    bool escape = false;
    for (std::size_t p = literal; p < end;) {
        const char c = script_[p];
        const auto next = [&](std::size_t i) { return p + i < end ? script_[p + i] : '\0'; };
        if (escape || c == '\\') {
            escape = !escape;
            ++p;
        } else if (c == '"') {
            break;
        } else if (c == '<' && !fontText) {
            const std::size_t close = std::min(script_.find_first_of(">\"", p + 1), end);
            p = close < end && script_[close] == '>' ? close + 1 : close;
        } else if (c == '$' && next(1) == '$' && next(2) == '{') {
            cutAt(p + 1); // the first '$' stays, the second goes
            textFrom_ = p + 2;
            p += 3;
        } else if (c == '$' && next(1) == '{') {
            const std::size_t close = std::min(script_.find_first_of("}\"", p + 2), end);
            if (close == end || script_[close] != '}') {
                ++p;
                continue;
            }
            cutAt(p);
            fields_.push_back({readField(std::string_view(script_).substr(p + 2, close - p - 2)),
                               number, fontText});
            pieces_.push_back({p, close + 1, static_cast<int>(fields_.size() - 1)});
            textFrom_ = p = close + 1;
        } else {
            ++p;
        }
    }
    if (!cut)
        return;
    pieces_.push_back({textFrom_, end});
    textFrom_ = end;
    if (fields_.size() == fieldsBefore)
        return;
    FieldLine fieldLine{number, piecesBefore + 1, pieces_.size(), {}};
    for (std::size_t i = fieldsBefore; i < fields_.size(); ++i)
        fieldLine.fields.push_back(i);
    fieldLines_.push_back(std::move(fieldLine));
}

bool MergeTemplate::uses(FieldKind kind) const {
    return std::any_of(fields_.begin(), fields_.end(),
                       [kind](const PlacedField& f) { return f.field.kind == kind; });
}

void MergeTemplate::appendPieces(std::size_t first, std::size_t end,
                                 const std::vector<std::string_view>& values,
                                 std::string& out) const {
    for (std::size_t i = first; i < end; ++i) {
        const Piece& piece = pieces_[i];
        if (piece.field >= 0)
            appendLiteralEscaped(values[static_cast<std::size_t>(piece.field)], out);
        else
            out.append(script_, piece.begin, piece.end - piece.begin);
    }
}

void MergeTemplate::fill(const std::vector<std::string_view>& values, std::string& out) const {
    out.clear();
    appendPieces(0, pieces_.size(), values, out);
}

void MergeTemplate::fillLine(const FieldLine& line, const std::vector<std::string_view>& values,
                             std::string& out) const {
    out.clear();
    appendPieces(line.firstPiece, line.endPiece, values, out);
}

} // namespace quillset
