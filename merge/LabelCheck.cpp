#include "merge/LabelCheck.h"

#include "barcode/BarcodeCheck.h"
#include "document/FontTextObject.h"
#include "merge/LabelValues.h"
#include "model/CodePage437.h"
#include "model/FontTextLine.h"
#include "model/Limits.h"
#include "model/PageObject.h"
#include "model/ScriptReader.h"
#include "symbol/SymbolEncoder.h"

#include <algorithm>
#include <cstring>

namespace quillset {

namespace {

constexpr std::size_t kShownCharacters = 40;

void addOnce(std::vector<std::string>& texts, std::string text) {
    if (std::find(texts.begin(), texts.end(), text) == texts.end())
        texts.push_back(std::move(text));
}

void addOnce(std::vector<LabelReason>& reasons, int line, std::string text) {
    const auto told = std::find_if(reasons.begin(), reasons.end(),
                                   [&](const LabelReason& r) { return r.text == text; });
    if (told == reasons.end())
        reasons.push_back({std::move(text), {line}});
    else if (std::find(told->lines.begin(), told->lines.end(), line) == told->lines.end())
        told->lines.push_back(line);
}

// A value as a message quotes it: on one line, a long one cut short.
std::string quoted(std::string_view value) {
    std::string shown = "'";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts && ++characters > kShownCharacters) {
            shown += "...";
            break;
        }
        shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return shown + "'";
}

// "'é'" or "'é', 'ü'", and the verb that goes with it.
std::string characters(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& c : list)
        text += (text.empty() ? "'" : ", '") + c + "'";
    return text + (list.size() == 1 ? " is" : " are");
}

// The items the reader takes from a literal before its closing quote: each
// character, backslashes included, and each style tag as one.
int literalItems(std::string_view line, std::size_t open) {
    int items = 0;
    bool escape = false;
    for (std::size_t p = open + 1; p < line.size(); ++p, ++items) {
        const char c = line[p];
        if (c == '"' && !escape)
            break;
        if (c == '<' && !escape)
            p = std::min(line.find('>', p), line.size() - 1);
        escape = c == '\\' && !escape;
    }
    return items;
}

// The characters a font text's literal holds: an escape and its character
// are one, as is each \u{HEX}.
int fontTextCharacters(std::string_view line, std::size_t open) {
    int characters = 0;
    bool escape = false;
    for (std::size_t p = open + 1; p < line.size(); ++p) {
        const char c = line[p];
        if (c == '"' && !escape)
            break;
        if (c == '\\' && !escape) {
            escape = true;
            continue;
        }
        if (escape && c == 'u' && p + 1 < line.size() && line[p + 1] == '{')
            p = std::min(line.find('}', p), line.size() - 1);
        escape = false;
        ++characters;
    }
    return characters;
}

// A reason of the barcode check, to follow a colon.
std::string continuing(std::string reason) {
    if (reason.starts_with("The "))
        reason[0] = 't';
    return reason;
}

} // namespace

LabelCheck::LabelCheck(const MergeTemplate& script, LabelValues& values, bool replaceMissing)
    : script_(script)
    , values_(values)
    , replaceMissing_(replaceMissing) {}

void LabelCheck::check(const Filled& filled, std::vector<LabelReason>& reasons) {
    for (const MergeTemplate::FieldLine& line : script_.fieldLines())
        checkLine(line, filled, reasons);
}

std::string LabelCheck::holds(std::size_t field) const {
    return script_.fields()[field].field.source + " holds " + quoted(values_.given(field));
}

void LabelCheck::checkCharacters(const MergeTemplate::FieldLine& line, const Filled& filled,
                                 std::vector<LabelReason>& reasons) {
    for (const std::size_t field : line.fields) {
        if (script_.fields()[field].fontText)
            continue; // the system's fonts, not the printer's character set
        std::vector<std::string> lacking;
        for (const std::string_view c : charactersCp437Lacks(filled[field])) {
            lacking.emplace_back(c);
            nearAvailable_ = nearAvailable_ || values_.nearCharacters().nearest(c).has_value();
        }
        if (!lacking.empty())
            addOnce(reasons, line.line,
                    holds(field) + ": " + characters(lacking) +
                        " not in the printer's character set" +
                        (replaceMissing_ ? ", nor anything near" : ""));
    }
}

// The field most to blame for a line too long: the one with the longest value.
std::string LabelCheck::longestField(const MergeTemplate::FieldLine& line,
                                     const Filled& filled) const {
    const auto longest =
        std::max_element(line.fields.begin(), line.fields.end(), [&](std::size_t a, std::size_t b) {
            return filled[a].size() < filled[b].size();
        });
    return script_.fields()[*longest].field.source;
}

std::string LabelCheck::barcodeReason(const MergeTemplate::FieldLine& line, const Filled& filled,
                                      int barcodeType, std::string_view data) const {
    const auto fault = barcodeDataFault(barcodeType, data);
    if (!fault)
        return {};
    if (fault->refused.empty())
        return holdsAll(line) + ": " + continuing(fault->reason);
    for (const std::size_t field : line.fields) {
        const std::string value = utf8ToCp437(filled[field]);
        std::vector<std::string> refused;
        for (const char c : fault->refused) {
            if (value.find(c) != std::string::npos)
                refused.push_back(cp437ToUtf8(std::string_view(&c, 1)));
        }
        if (!refused.empty())
            return holds(field) + ": " + characters(refused) + " not in " + fault->lackedBy;
    }
    return "the barcode data is " + quoted(cp437ToUtf8(data)) + ": " + continuing(fault->reason);
}

void LabelCheck::checkLine(const MergeTemplate::FieldLine& line, const Filled& filled,
                           std::vector<LabelReason>& reasons) {
    checkCharacters(line, filled, reasons);
    script_.fillLine(line, filled, utf8_);
    cp437_.clear();
    appendUtf8LineAsCp437(cp437_, utf8_);
    ScriptReader reader;
    const Keyword keyword = reader.readDrawingStatement(cp437_);
    if (keyword == Keyword::None) {
        int pos = 0;
        const Keyword meant = ScriptReader().readKeyword(cp437_, pos);
        const char* what = meant == Keyword::DrawBarcode  ? " makes the barcode data "
                           : meant == Keyword::DrawSymbol ? " makes the symbol data "
                                                          : " makes the text ";
        const auto open = static_cast<std::size_t>(reader.text.openQuote);
        if (std::strcmp(reader.failure.reason, "string too long") == 0)
            addOnce(reasons, line.line,
                    longestField(line, filled) + what +
                        std::to_string(meant == Keyword::DrawFontText
                                           ? fontTextCharacters(cp437_, open)
                                           : literalItems(cp437_, open)) +
                        " characters long; " + std::to_string(kMaxFieldChars) + " fit");
        else
            addOnce(reasons, line.line,
                    "with its values line " + std::to_string(line.line) + " does not read (" +
                        reader.failure.reason + ")");
    } else if (keyword == Keyword::DrawBarcode) {
        std::string reason = barcodeReason(line, filled, reader.args[4], reader.text.text());
        if (!reason.empty())
            addOnce(reasons, line.line, std::move(reason));
    } else if (keyword == Keyword::DrawFontText) {
        checkFontText(line, filled, reader, reasons);
    } else if (keyword == Keyword::DrawSymbol) {
        const auto& a = reader.args;
        const std::string problem = encodeSymbol(a[3], a[4], a[5], reader.text.text()).problem;
        if (!problem.empty())
            addOnce(reasons, line.line, holdsAll(line) + ": " + problem);
    }
}

// The characters of each field no installed font has, and a text that
// does not fit its width even at the smallest size.
void LabelCheck::checkFontText(const MergeTemplate::FieldLine& line, const Filled& filled,
                               const ScriptReader& reader, std::vector<LabelReason>& reasons) {
    PageObject o;
    fillFontText(reader, o);
    const auto text = fontTextLayout(o);
    bool told = false;
    for (const std::size_t field : line.fields) {
        std::vector<std::string> lacking;
        for (const std::string& c : text->missing) {
            if (filled[field].find(c) != std::string_view::npos)
                lacking.push_back(c);
        }
        if (!lacking.empty())
            addOnce(reasons, line.line,
                    holds(field) + ": " + quotedCharacters(lacking) + ": no installed font has " +
                        (lacking.size() == 1 ? "it" : "them"));
        told = told || !lacking.empty();
    }
    if (!told && !text->missing.empty())
        addOnce(reasons, line.line,
                holdsAll(line) + ": no installed font has " + quotedCharacters(text->missing));
    if (!text->fits)
        addOnce(reasons, line.line,
                holdsAll(line) + ": the text is wider than " + std::to_string(o.fontWidth) +
                    " dots even at size " + std::to_string(text->size));
}

std::string LabelCheck::holdsAll(const MergeTemplate::FieldLine& line) const {
    std::string text;
    for (const std::size_t field : line.fields) {
        const std::string part = holds(field);
        if (text.find(part) == std::string::npos)
            text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

void LabelCheck::noteReplacements(std::vector<std::string>& notes) const {
    for (std::size_t field = 0; field < script_.fields().size(); ++field) {
        std::string note;
        for (const NearCharacter& near : values_.replaced(field))
            note += (note.empty() ? script_.fields()[field].field.source + ": '" : ", '") +
                    near.character + "' printed as '" + near.printed + "'";
        if (!note.empty())
            addOnce(notes, std::move(note));
    }
}

} // namespace quillset
