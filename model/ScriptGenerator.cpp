#include "model/ScriptGenerator.h"

#include "model/CodePage437.h"
#include "model/FontTextLine.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"

namespace quillset {

namespace {

void appendNumbers(std::string& out, std::initializer_list<std::int32_t> numbers) {
    for (const std::int32_t n : numbers) {
        out += std::to_string(n);
        out += ',';
    }
}

// Barcode data and a picture's source are held decoded; escaping them lets
// the next Compile read back the same text instead of ending the literal
// early or splitting the line.
std::string escapedLiteral(std::string_view data) {
    std::string out;
    for (const char c : data) {
        switch (c) {
        case '"':
        case '\\':
        case '<':
            out += '\\';
            out += c;
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The statement, then the dots' lines, each ending in CR LF as statements do.
void appendPicture(std::string& out, const PageObject& o) {
    if (!o.picture)
        return;
    const Picture& p = *o.picture;
    out += "DrawPicture(";
    appendNumbers(out, {o.left, o.top, p.width, p.height, static_cast<std::int32_t>(p.dithering),
                        p.level});
    out += '"';
    out += cp437ToUtf8(escapedLiteral(p.source));
    out += "\");\r\n";
    std::string_view body = p.body;
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        out += body.substr(0, end);
        out += "\r\n";
        body.remove_prefix(end == std::string_view::npos ? body.size() : end + 1);
    }
}

// One object's statement appended to `out`.
void appendStatement(std::string& out, const PageObject& o) {
    switch (o.kind) {
    case ObjectKind::ScriptLine:
        appendCp437LineAsUtf8(out, o.rawLine);
        out += '\n';
        break;
    case ObjectKind::Text:
        out += "DrawText(";
        appendNumbers(out, {o.x, o.y, o.colour, o.angle});
        out += '"' + cp437ToUtf8(o.literal.view()) + "\");\r\n";
        break;
    case ObjectKind::Rectangle:
        out += "DrawRectangle(";
        appendNumbers(out, {o.left, o.top, o.right, o.bottom, o.colour});
        out += std::to_string(o.border) + ");\r\n";
        break;
    case ObjectKind::Barcode:
        out += "DrawBarcode(";
        appendNumbers(out, {o.barcodeX, o.barcodeY, o.angle, o.humanReadable, o.barcodeType,
                            o.barcodeHeight});
        out += '"' + cp437ToUtf8(escapedLiteral(o.literal.view())) + "\");\r\n";
        break;
    case ObjectKind::Picture:
        appendPicture(out, o);
        break;
    case ObjectKind::Symbol:
        out += "DrawSymbol(";
        appendNumbers(out, {o.x, o.y, o.angle, o.symbology, o.symbolModule, o.symbolOption});
        out += '"' + cp437ToUtf8(escapedLiteral(o.literal.view())) + "\");\r\n";
        break;
    case ObjectKind::FontText:
        out += "DrawFontText(";
        appendNumbers(out, {o.x, o.y, o.colour, o.angle, o.fontSize, o.fontStyle, o.fontAlign,
                            o.fontWidth});
        out += '"';
        appendUnicodeLiteral(out, o.fontFamily);
        out += "\",\"";
        appendUnicodeLiteral(out, o.fontText);
        out += "\");\r\n";
        break;
    case ObjectKind::None:
        break;
    }
}

} // namespace

std::string generateStatement(const PageObject& o) {
    std::string out;
    appendStatement(out, o);
    return out;
}

std::string generateScript(const ObjectList& list, const KeptLines& kept) {
    // Sized first, so that a script holding one huge kept line is built in
    // one allocation instead of doubling past it.
    std::size_t size = utf8Size(kept.text());
    for (int i = 0; i < list.count; ++i) {
        const PageObject& o = list[i];
        size += o.kind == ObjectKind::ScriptLine ? utf8Size(o.rawLine) + 1
                                                 : generateStatement(o).size();
    }
    std::string script;
    script.reserve(size);
    for (int i = 0; i < list.count; ++i)
        appendStatement(script, list[i]);
    appendCp437AsUtf8(script, kept.text());
    return script;
}

std::string pageHeader(const PageSettings& s) {
    return "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(" + std::to_string(s.leftMargin) + ',' +
           std::to_string(s.topMargin) + ");\r\nSetPageSize(" + std::to_string(s.pageWidth) + ',' +
           std::to_string(s.pageHeight) + ");\r\n";
}

std::string pageTrailer() {
    return "EndPage();\r\n\x1bP#\x04";
}

std::string pageStream(const PageSettings& settings, std::string_view script) {
    std::string stream = pageHeader(settings);
    stream += script;
    stream += breakBeforeTrailer(script);
    stream += pageTrailer();
    return stream;
}

// Typed text may end without a line break; EndPage must not be glued to its
// last line.
std::string_view breakBeforeTrailer(std::string_view script) {
    const bool open = !script.empty() && script.back() != '\n' && script.back() != '\r';
    return open ? "\r\n" : "";
}

} // namespace quillset
