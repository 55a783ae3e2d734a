#pragma once

#include "merge/MergeTemplate.h"
#include "merge/NearCharacters.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

class CsvReader;
struct MergeSettings;

// The values of a template's fields for one label: the record's columns,
// the label's counter, the merge's date and time.
class LabelValues {
public:
    // Columns are found by `columns` (the header; empty without one).
    LabelValues(const MergeTemplate& script, const std::vector<std::string>& columns,
                const MergeSettings& settings);

    // The column a field reads (0-based), or -1: a column that the header
    // does not name, or a field that reads no column.
    int columnOf(std::size_t field) const { return columns_[field]; }

    // The values for label `label` (counted from 0 over the labels printed)
    // of the record `record` holds; null `record` gives every column empty.
    // With the settings' replaceMissing a column's characters that the
    // printer lacks are replaced by the nearest it has.
    const std::vector<std::string_view>& of(const CsvReader* record, long long label);
    // Field `field` of the last of(): as the data file holds it, and the
    // characters replaced in it.
    std::string_view given(std::size_t field) const { return given_[field]; }
    const std::vector<NearCharacter>& replaced(std::size_t field) const { return replaced_[field]; }
    NearCharacters& nearCharacters() { return near_; }

private:
    const MergeTemplate& script_;
    const MergeSettings& settings_;
    std::vector<int> columns_;
    std::vector<std::string> fixed_; // dates, times and the counter, per field
    std::vector<std::string_view> values_;
    std::vector<std::string_view> given_;
    std::vector<std::string> replacedText_;
    std::vector<std::vector<NearCharacter>> replaced_;
    NearCharacters near_;
};

// The counter as ${seq:000} writes it: at least `width` digits.
std::string counterText(long long value, int width);
// `when` in local time by strftime's `format`.
std::string timeText(std::time_t when, const std::string& format);

} // namespace quillset
