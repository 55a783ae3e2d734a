#pragma once

#include "merge/MergeTemplate.h"

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

    // The values for label `label` (counted from 0 over the chosen records,
    // copies included) of the record `record` holds; null `record` gives
    // every column empty.
    const std::vector<std::string_view>& of(const CsvReader* record, long long label);

private:
    const MergeTemplate& script_;
    const MergeSettings& settings_;
    std::vector<int> columns_;
    std::vector<std::string> fixed_; // dates, times and the counter, per field
    std::vector<std::string_view> values_;
};

// The counter as ${seq:000} writes it: at least `width` digits.
std::string counterText(long long value, int width);
// `when` in local time by strftime's `format`.
std::string timeText(std::time_t when, const std::string& format);

} // namespace quillset
