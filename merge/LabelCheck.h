#pragma once

#include "merge/MergeTemplate.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillset {

class LabelValues;
class ScriptReader;

// A problem of a label and the script lines it comes from, as the script
// pane numbers them: the same reason on two lines is told once.
struct LabelReason {
    std::string text;
    std::vector<int> lines;
};

// One label's lines with fields, filled with its values as Compile will
// read them. Each problem is said in the user's words, naming the field and
// what it holds: "${tracking} holds 'QSé': 'é' is not in Code 128",
// "${address} makes the text 275 characters long; 199 fit".
class LabelCheck {
public:
    LabelCheck(const MergeTemplate& script, LabelValues& values, bool replaceMissing);

    // Checks the label's `filled` values (LabelValues::of, last called): a
    // literal past 199 characters, barcode or symbol data its symbology
    // cannot draw, characters the printer lacks; in a font text, characters
    // no installed font has and a text too wide even at the smallest size. Each problem once,
    // appended to `reasons`.
    void check(const std::vector<std::string_view>& filled, std::vector<LabelReason>& reasons);
    // The characters the values printed as their nearest, one text per
    // field appended to `notes`: "${name}: 'Ł' printed as 'L'".
    void noteReplacements(std::vector<std::string>& notes) const;
    // Whether a character that a problem named has a near one the printer
    // has: the replacement choice would print it.
    bool nearAvailable() const { return nearAvailable_; }

private:
    using Filled = std::vector<std::string_view>;
    void checkLine(const MergeTemplate::FieldLine& line, const Filled& filled,
                   std::vector<LabelReason>& reasons);
    void checkCharacters(const MergeTemplate::FieldLine& line, const Filled& filled,
                         std::vector<LabelReason>& reasons);
    void checkFontText(const MergeTemplate::FieldLine& line, const Filled& filled,
                       const ScriptReader& reader, std::vector<LabelReason>& reasons);
    std::string longestField(const MergeTemplate::FieldLine& line, const Filled& filled) const;
    std::string barcodeReason(const MergeTemplate::FieldLine& line, const Filled& filled,
                              int barcodeType, std::string_view data) const;
    std::string holds(std::size_t field) const;
    // holds() of each field of the line, once each, joined by commas.
    std::string holdsAll(const MergeTemplate::FieldLine& line) const;

    const MergeTemplate& script_;
    LabelValues& values_;
    bool replaceMissing_;
    bool nearAvailable_ = false;
    std::string utf8_;
    std::string cp437_;
};

} // namespace quillset
