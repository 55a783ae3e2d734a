#include "merge/LabelValues.h"

#include "merge/CsvReader.h"
#include "merge/MergeSettings.h"

#include <algorithm>

namespace quillset {

std::string counterText(long long value, int width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value));
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return negative ? '-' + digits : digits;
}

std::string timeText(std::time_t when, const std::string& format) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[256];
    const std::size_t n = std::strftime(text, sizeof text, format.c_str(), &local);
    return std::string(text, n);
}

LabelValues::LabelValues(const MergeTemplate& script, const std::vector<std::string>& columns,
                         const MergeSettings& settings)
    : script_(script)
    , settings_(settings)
    , columns_(script.fields().size(), -1)
    , fixed_(script.fields().size())
    , values_(script.fields().size())
    , given_(script.fields().size())
    , replacedText_(script.fields().size())
    , replaced_(script.fields().size()) {
    for (std::size_t i = 0; i < script.fields().size(); ++i) {
        const Field& field = script.fields()[i].field;
        if (field.kind == FieldKind::Position) {
            columns_[i] = field.position - 1;
        } else if (field.kind == FieldKind::Column) {
            const auto found =
                std::find_if(columns.begin(), columns.end(),
                             [&](const std::string& c) { return sameColumnName(c, field.name); });
            columns_[i] = found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
        } else if (field.kind == FieldKind::Date || field.kind == FieldKind::Time) {
            fixed_[i] = timeText(settings.now, field.name);
        }
    }
}

const std::vector<std::string_view>& LabelValues::of(const CsvReader* record, long long label) {
    const long long counter = settings_.counterStart + label * settings_.counterStep;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const Field& field = script_.fields()[i].field;
        if (field.kind == FieldKind::Counter) {
            fixed_[i] = counterText(counter, field.width);
            values_[i] = fixed_[i];
        } else if (columns_[i] >= 0) {
            values_[i] = record ? record->field(static_cast<std::size_t>(columns_[i])) : "";
        } else {
            values_[i] = fixed_[i];
        }
        given_[i] = values_[i];
        replaced_[i].clear();
        // A font text draws the record's own characters.
        if (settings_.replaceMissing && columns_[i] >= 0 && !script_.fields()[i].fontText &&
            near_.replace(values_[i], replacedText_[i], replaced_[i]))
            values_[i] = replacedText_[i];
    }
    return values_;
}

} // namespace quillset
