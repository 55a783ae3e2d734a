#include "document/Compile.h"

#include "barcode/BarcodeGeometry.h"
#include "document/FontTextObject.h"
#include "model/CodePage437.h"
#include "model/FontTextLine.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/ScriptReader.h"
#include "picture/PictureStatement.h"
#include "picture/PictureText.h"
#include "raster/TextRenderer.h"
#include "symbol/SymbolEncoder.h"
#include "symbol/SymbolGeometry.h"
#include "symbol/Symbology.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace quillset {

namespace {

// The longest start of a literal's source text that fits a field and ends
// between whole items (a character, an escape with its character, a tag), so
// that the shortened literal still reads.
std::string_view fittingLiteral(std::string_view source) {
    std::size_t end = 0;
    while (end < source.size()) {
        std::size_t item = 1;
        if (source[end] == '\\') {
            item = 2;
        } else if (source[end] == '<') {
            const std::size_t close = source.find('>', end);
            item = close == std::string_view::npos ? source.size() - end : close + 1 - end;
        }
        if (end + item > kMaxFieldChars)
            break;
        end += item;
    }
    return source.substr(0, std::min(end, source.size()));
}

void fillRectangle(const ScriptReader& reader, PageObject& o) {
    const auto& a = reader.args;
    o.kind = ObjectKind::Rectangle;
    o.left = std::min(a[0], a[2]);
    o.right = std::max(a[0], a[2]);
    o.top = std::min(a[1], a[3]);
    o.bottom = std::max(a[1], a[3]);
    o.colour = a[4];
    o.border = a[5];
    o.x = o.left;
    o.y = o.top;
}

void fillText(const ScriptReader& reader, std::string_view line, PageObject& o,
              TextRenderer& measurer) {
    const auto& a = reader.args;
    o.kind = ObjectKind::Text;
    o.x = a[0];
    o.y = a[1];
    o.colour = a[2];
    o.angle = a[3];
    o.styled.copyContentFrom(reader.text);
    const auto open = static_cast<std::size_t>(reader.text.openQuote) + 1;
    o.literal.assign(
        fittingLiteral(line.substr(open, static_cast<std::size_t>(reader.text.closeQuote) - open)));
    setTextBounds(o, measurer);
}

void fillBarcode(const ScriptReader& reader, PageObject& o) {
    const auto& a = reader.args;
    o.kind = ObjectKind::Barcode;
    o.barcodeX = a[0];
    o.barcodeY = a[1];
    o.angle = a[2];
    o.humanReadable = a[3];
    o.barcodeType = a[4];
    o.barcodeHeight = a[5];
    o.colour = 1;
    o.styled.copyContentFrom(reader.text);
    o.literal.assign(reader.text.text());
    setBarcodeBounds(o);
}

// The object for one line, its picture's dots not yet looked for. The line
// is taken by value so that a long kept line moves into its object instead
// of being copied.
PageObject statementObject(std::string line, TextRenderer& measurer, ScriptReader& reader,
                           Keyword& keyword) {
    // A fresh record, so a kept line carries no stale fields of an earlier
    // object in the same slot.
    PageObject object;
    keyword = reader.readDrawingStatement(line);
    switch (keyword) {
    case Keyword::DrawRectangle:
        fillRectangle(reader, object);
        break;
    case Keyword::DrawText:
        fillText(reader, line, object, measurer);
        break;
    case Keyword::DrawBarcode:
        fillBarcode(reader, object);
        break;
    case Keyword::DrawSymbol:
        fillSymbol(reader, object);
        break;
    case Keyword::DrawFontText:
        fillFontText(reader, object);
        break;
    default:
        object.kind = ObjectKind::ScriptLine;
        object.rawLine = std::move(line);
        break;
    }
    return object;
}

// Where the first CR or LF stands, or npos.
std::size_t lineEnd(std::string_view text) {
    const auto found =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

// The first line of `text`, without its break, and what follows the break.
struct SplitLine {
    std::string_view line;
    std::string_view rest;
    bool broken = false; // a break followed the line
};

SplitLine splitLine(std::string_view text) {
    const std::size_t end = lineEnd(text);
    if (end == std::string_view::npos)
        return {text, {}, false};
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    return {text.substr(0, end), text.substr(end + (crlf ? 2 : 1)), true};
}

// The picture lines after a DrawPicture statement, each followed by a line
// feed; `text` is left after the last of them. Too many of them, or dots
// that do not read, leave `text` as it was and every line a kept line.
template <typename Convert>
std::optional<PageObject> pictureWithDots(const ScriptReader& reader, std::string_view& text,
                                          Convert convert) {
    std::string body;
    std::string line;
    std::string_view rest = text;
    for (int lines = 0; !rest.empty(); ++lines) {
        const SplitLine split = splitLine(rest);
        line.clear();
        convert(line, split.line);
        if (!isPictureLine(line))
            break;
        if (lines == kMaxPictureBodyLines)
            return std::nullopt;
        body += line;
        body += '\n';
        rest = split.rest;
        if (!split.broken)
            break;
    }
    PictureStatement read = readPictureStatement(reader, std::move(body));
    if (!read.failure.empty())
        return std::nullopt;
    text = rest;
    return std::move(read.object);
}

// Splits `text` at CR LF, a lone CR or a lone LF; `convert` appends each
// piece to a line buffer as code page 437. The first 500 objects are made
// of the lines, a picture of its statement and the lines of its dots,
// every other object of one line; the rest are kept as they are.
template <typename Convert>
void loadLines(ObjectList& list, KeptLines& kept, std::string_view text, TextRenderer& measurer,
               Convert convert) {
    list.clear();
    kept.clear();
    std::string line;
    ScriptReader reader;
    while (!text.empty()) {
        const SplitLine split = splitLine(text);
        text = split.rest;
        line.clear();
        convert(line, split.line);
        if (list.full()) {
            // What is left of the text bounds the kept block: growing it
            // by doubling would hold two copies at once.
            if (kept.empty())
                kept.reserve(text.size() + line.size() + 2);
            kept.append(line);
        } else {
            Keyword keyword = Keyword::None;
            PageObject object = statementObject(std::move(line), measurer, reader, keyword);
            if (keyword == Keyword::DrawPicture && split.broken) {
                if (auto picture = pictureWithDots(reader, text, convert))
                    object = std::move(*picture);
            }
            list.append(std::move(object));
        }
        if (!split.broken)
            return;
    }
}

} // namespace

void setTextBounds(PageObject& o, TextRenderer& measurer) {
    measurer.measureTextBlock(o.angle, o.styled);
    const TextBox box = TextBounds(o.x, o.y, o.angle, measurer.textExtentY, measurer.textExtentX);
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
}

void setBarcodeBounds(PageObject& o) {
    const int n = static_cast<int>(o.literal.view().size());
    const BarcodeBox box = BarcodeBounds(o.barcodeX, o.barcodeY, o.angle,
                                         BarcodeExtent(o.barcodeType, n), o.barcodeHeight);
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
}

void fillSymbol(const ScriptReader& reader, PageObject& o) {
    const auto& a = reader.args;
    o.kind = ObjectKind::Symbol;
    o.x = a[0];
    o.y = a[1];
    o.angle = a[2];
    o.symbology = a[3];
    o.symbolModule = a[4];
    o.symbolOption = a[5];
    o.colour = 1;
    o.literal.assign(reader.text.text());
    setSymbolBounds(o);
}

void setSymbolBounds(PageObject& o) {
    const EncodedSymbol encoded =
        encodeSymbol(o.symbology, o.symbolModule, o.symbolOption, o.literal.view());
    // A symbol that does not encode draws nothing; it keeps a square of ten
    // modules to be found and mended by.
    const int module = std::clamp(o.symbolModule, kMinSymbolModule, kMaxSymbolModule);
    const int width = encoded.image ? encoded.image->width() : 10 * module;
    const int height = encoded.image ? encoded.image->height() : 10 * module;
    const SymbolBox box = symbolBounds(o.x, o.y, o.angle, width, height);
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
}

std::string keptLinesWarning() {
    const std::string n = std::to_string(kMaxObjects);
    return "Warning: The page holds " + n + " lines at most; the lines after line " + n +
           " are kept in the script but not drawn.";
}

void addStatement(ObjectList& list, std::string_view line, TextRenderer& measurer) {
    ScriptReader reader;
    Keyword keyword = Keyword::None;
    if (!list.full())
        list.append(statementObject(std::string(line), measurer, reader, keyword));
}

void loadListFromText(ObjectList& list, KeptLines& kept, std::string_view text,
                      TextRenderer& measurer) {
    loadLines(list, kept, text, measurer,
              [](std::string& line, std::string_view piece) { line.append(piece); });
}

void loadListFromUtf8(ObjectList& list, KeptLines& kept, std::string_view utf8,
                      TextRenderer& measurer) {
    loadLines(list, kept, utf8, measurer, appendUtf8LineAsCp437);
}

} // namespace quillset
