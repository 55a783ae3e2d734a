#include "cli/ObjectsJson.h"

#include "document/FontTextObject.h"
#include "model/CodePage437.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"

#include <cstdio>
#include <string_view>

namespace quillset::cli {

namespace {

std::string_view kindName(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::ScriptLine:
        return "ScriptLine";
    case ObjectKind::Rectangle:
        return "Rectangle";
    case ObjectKind::Text:
        return "Text";
    case ObjectKind::Barcode:
        return "Barcode";
    case ObjectKind::Symbol:
        return "Symbol";
    case ObjectKind::Picture:
        return "image";
    case ObjectKind::FontText:
        return "FontText";
    case ObjectKind::None:
        break;
    }
    return "None";
}

// A UTF-8 string as a JSON string.
std::string jsonUtf8String(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A code page 437 string as a JSON string of its UTF-8 text.
std::string jsonString(std::string_view cp437) {
    return jsonUtf8String(cp437ToUtf8(cp437));
}

class JsonObject {
public:
    explicit JsonObject(std::string& out)
        : out_(out) {
        out_ += '{';
    }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    void field(std::string_view name, std::string_view jsonValue) {
        if (!first_)
            out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\":";
        out_ += jsonValue;
    }
    void number(std::string_view name, long value) { field(name, std::to_string(value)); }

private:
    std::string& out_;
    bool first_ = true;
};

// What a font text asks for, and what it is drawn with.
void appendFontText(JsonObject& object, const PageObject& o) {
    const auto laid = fontTextLayout(o);
    std::string font;
    {
        JsonObject json(font);
        json.field("family", jsonUtf8String(o.fontFamily));
        json.field("familyUsed", jsonUtf8String(laid->familyUsed));
        json.number("size", o.fontSize);
        json.number("sizeUsed", laid->size);
        json.number("style", o.fontStyle);
        json.number("align", o.fontAlign);
        json.number("width", o.fontWidth);
        json.field("text", jsonUtf8String(o.fontText));
    }
    object.field("font", font);
}

void appendObject(std::string& out, int index, const PageObject& o) {
    JsonObject json(out);
    json.number("index", index);
    json.field("kind", jsonString(kindName(o.kind)));
    json.number("left", o.left);
    json.number("top", o.top);
    json.number("right", o.right);
    json.number("bottom", o.bottom);
    json.number("x", o.x);
    json.number("y", o.y);
    json.number("barcodeX", o.barcodeX);
    json.number("barcodeY", o.barcodeY);
    json.number("border", o.border);
    json.number("colour", o.colour);
    json.number("angle", o.angle);
    json.number("humanReadable", o.humanReadable);
    json.number("barcodeType", o.barcodeType);
    json.number("barcodeHeight", o.barcodeHeight);
    json.field("literal", jsonString(o.literal.view()));
    json.field("rawLine", jsonString(o.rawLine));
    const std::string_view chars = o.styled.text();
    json.field("chars", jsonString(chars));
    std::string attrs = "[";
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (i > 0)
            attrs += ',';
        attrs += std::to_string(o.styled.attrs[i]);
    }
    json.field("attrs", attrs + "]");
    json.number("symbology", o.symbology);
    json.number("symbolModule", o.symbolModule);
    json.number("symbolOption", o.symbolOption);
    if (o.picture) {
        std::string picture;
        {
            JsonObject json(picture);
            json.number("width", o.picture->width);
            json.number("height", o.picture->height);
            json.number("dithering", static_cast<long>(o.picture->dithering));
            json.number("level", o.picture->level);
            json.field("source", jsonString(o.picture->source));
        }
        json.field("picture", picture);
    }
    if (o.kind == ObjectKind::FontText)
        appendFontText(json, o);
}

} // namespace

std::string objectsJson(const PageSettings& page, const ObjectList& list, const KeptLines& kept) {
    std::string out;
    {
        JsonObject document(out);
        std::string settings;
        {
            JsonObject json(settings);
            json.number("leftMargin", page.leftMargin);
            json.number("topMargin", page.topMargin);
            json.number("pageWidth", page.pageWidth);
            json.number("pageHeight", page.pageHeight);
            json.number("rowBytes", page.rowBytes);
        }
        document.field("page", settings);
        std::string objects = "[";
        for (int i = 0; i < list.count; ++i) {
            objects += i > 0 ? ",\n" : "\n";
            appendObject(objects, i, list[i]);
        }
        document.field("objects", objects + "]");
        std::string lines = "[";
        bool first = true;
        for (const std::string_view line : kept.lines()) {
            lines += first ? "\n" : ",\n";
            first = false;
            lines += jsonString(line);
        }
        document.field("keptLines", lines + "]");
    }
    return out + '\n';
}

} // namespace quillset::cli
