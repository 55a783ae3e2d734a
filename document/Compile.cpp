#include "document/Compile.h"

#include "barcode/BarcodeGeometry.h"
#include "model/ObjectList.h"
#include "model/ScriptReader.h"
#include "raster/TextRenderer.h"

#include <algorithm>

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

bool readRectangle(ScriptReader& reader, std::string_view line, int pos, PageObject& o) {
    if (!reader.readNumbersAndClose(line, pos, 6))
        return false;
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
    return true;
}

bool readText(ScriptReader& reader, std::string_view line, int pos, PageObject& o,
              TextRenderer& measurer) {
    if (!reader.readNumbersAndString(line, pos, 4))
        return false;
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
    return true;
}

bool readBarcode(ScriptReader& reader, std::string_view line, int pos, PageObject& o) {
    if (!reader.readNumbersAndString(line, pos, 6))
        return false;
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
    return true;
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

void addStatement(ObjectList& list, std::string_view line, TextRenderer& measurer) {
    if (list.full())
        return;
    // A fresh record, so a kept line carries no stale fields of an earlier
    // object in the same slot.
    PageObject object;
    ScriptReader reader;
    int pos = 0;
    bool read = false;
    switch (reader.readKeyword(line, pos)) {
    case Keyword::DrawRectangle:
        read = readRectangle(reader, line, pos, object);
        break;
    case Keyword::DrawText:
        read = readText(reader, line, pos, object, measurer);
        break;
    case Keyword::DrawBarcode:
        read = readBarcode(reader, line, pos, object);
        break;
    default:
        break;
    }
    if (!read) {
        object = PageObject{};
        object.kind = ObjectKind::ScriptLine;
        object.rawLine.assign(line);
    }
    list.append(object);
}

void loadListFromText(ObjectList& list, std::string_view text, TextRenderer& measurer) {
    list.clear();
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        addStatement(list, text.substr(0, end), measurer);
        if (end == std::string_view::npos)
            return;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
}

} // namespace quillset
