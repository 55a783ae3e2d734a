#include "merge/MergeCheck.h"

#include "document/FolioSession.h"
#include "document/ScriptCheck.h"
#include "merge/DataFile.h"
#include "merge/LabelCheck.h"
#include "merge/LabelValues.h"
#include "merge/MergeTemplate.h"

#include <algorithm>
#include <memory>

namespace quillset {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string linePlace(int line) {
    return "line " + std::to_string(line);
}

// What the script asks of its fields that no data can give.
void checkFields(const MergeTemplate& script, const LabelValues& values, const DataFile* data,
                 const CsvOptions& csv, std::vector<MergeProblem>& problems) {
    for (std::size_t i = 0; i < script.fields().size(); ++i) {
        const Field& field = script.fields()[i].field;
        const int line = script.fields()[i].line;
        std::string why;
        if (field.kind == FieldKind::Malformed) {
            why = " is no field (fields are ${name}, ${1}, ${seq}, ${seq:000}, ${date:FORMAT} and "
                  "${time:FORMAT})";
        } else if (field.kind != FieldKind::Column && field.kind != FieldKind::Position) {
            continue;
        } else if (!data) {
            why = " takes its value from a data file, and none is chosen";
        } else if (field.kind == FieldKind::Column && !csv.header) {
            why = " names a column, and " + data->name() +
                  " has no header line: its columns are ${1}, ${2}, ...";
        } else if (field.kind == FieldKind::Position && csv.header &&
                   static_cast<std::size_t>(field.position) > data->reader().columns().size()) {
            why = " is no column of " + data->name() + " (it has " +
                  std::to_string(data->reader().columns().size()) + " columns)";
        } else if (values.columnOf(i) < 0) {
            why = " is no column of " + data->name() +
                  " (columns: " + joined(data->reader().columns()) + ")";
        }
        if (!why.empty())
            problems.push_back({0, linePlace(line), field.source + why, {line}});
    }
}

// A headerless file's columns are those of its first record.
void checkPositions(const MergeTemplate& script, const DataFile& data, std::size_t columns,
                    std::vector<MergeProblem>& problems) {
    for (const PlacedField& placed : script.fields()) {
        const Field& field = placed.field;
        if (field.kind == FieldKind::Position && static_cast<std::size_t>(field.position) > columns)
            problems.push_back({0,
                                linePlace(placed.line),
                                field.source + " is no column of " + data.name() + " (it has " +
                                    std::to_string(columns) + " columns)",
                                {placed.line}});
    }
}

std::string delimiterName(char delimiter) {
    return delimiter == '\t' ? std::string("a tab") : "'" + std::string(1, delimiter) + "'";
}

// A row with fewer fields than the header would print blanks; one with
// more has split a value at a delimiter that should have been quoted.
std::string rowShapeProblem(const CsvReader& reader, std::size_t expected, bool header) {
    const std::size_t count = reader.fieldCount();
    if (count == expected)
        return {};
    std::string reason = std::to_string(count) + (count == 1 ? " field" : " fields") + " where " +
                         (header ? "the header has " : "record 1 has ") + std::to_string(expected) +
                         "; ";
    if (count > expected) {
        const std::size_t extra = count - expected;
        return reason +
               (extra == 1 ? "the last has" : "the last " + std::to_string(extra) + " have") +
               " no column (a value with " + delimiterName(reader.delimiter()) +
               " in it needs quotes)";
    }
    std::vector<std::string> missing;
    for (std::size_t i = count; i < expected; ++i)
        missing.push_back(header ? reader.columns()[i] : "${" + std::to_string(i + 1) + "}");
    return reason + joined(missing) + (missing.size() == 1 ? " is missing" : " are missing");
}

// Each chosen record, numbered as its labels will print.
class RecordCheck {
public:
    RecordCheck(const MergeTemplate& script, LabelValues& values, const MergeSettings& settings,
                MergeCheck& result)
        : values_(values)
        , labels_(script, values, settings.replaceMissing)
        , copies_(settings.copies)
        , copiesChecked_(script.uses(FieldKind::Counter) ? settings.copies : 1)
        , result_(result) {}

    // `shape`: why the record's row does not fit, or empty. Its labels are
    // checked when `fieldsFilled`: once a field cannot be filled, every
    // label would show that.
    void check(const CsvReader* record, const std::string& place, const std::string& shape,
               bool fieldsFilled) {
        ++result_.records;
        const int number = record ? record->record() : 1;
        reasons_.clear();
        if (!shape.empty())
            reasons_.push_back({shape, {}});
        // A copy's counter may make it fail where the first did not.
        for (int copy = 0; fieldsFilled && reasons_.empty() && copy < copiesChecked_; ++copy)
            labels_.check(values_.of(record, printed_ + copy), reasons_);
        result_.nearAvailable = result_.nearAvailable || labels_.nearAvailable();
        for (LabelReason& reason : reasons_)
            result_.problems.push_back(
                {number, place, std::move(reason.text), std::move(reason.lines)});
        if (!reasons_.empty() || !fieldsFilled)
            return;
        printed_ += copies_;
        notes_.clear();
        labels_.noteReplacements(notes_);
        for (const std::string& note : notes_)
            result_.notes.push_back(place.empty() ? note : place + ": " + note);
    }

private:
    LabelValues& values_;
    LabelCheck labels_;
    int copies_;
    int copiesChecked_;
    MergeCheck& result_;
    long long printed_ = 0; // the labels before this record
    std::vector<LabelReason> reasons_;
    std::vector<std::string> notes_;
};

} // namespace

std::string MergeProblem::text() const {
    return place.empty() ? reason : place + ": " + reason;
}

std::vector<int> MergeCheck::badRecords() const {
    std::vector<int> bad;
    for (const MergeProblem& p : problems) {
        if (p.record > 0 && (bad.empty() || bad.back() != p.record))
            bad.push_back(p.record);
    }
    return bad;
}

bool MergeCheck::printable() const {
    const bool whole = std::any_of(problems.begin(), problems.end(),
                                   [](const MergeProblem& p) { return p.record == 0; });
    return !unreadable && !whole && records > static_cast<int>(badRecords().size());
}

// What the page draws otherwise than asked, the same on every label: a font
// family that is not installed.
void notePage(const FolioSession& document, std::vector<std::string>& notes) {
    for (const CheckFinding& finding : checkPaneScript(document.script(), document.settings())) {
        if (finding.note)
            notes.push_back(linePlace(finding.line) + ": " + finding.reason);
    }
}

MergeCheck checkMerge(const FolioSession& document, const MergeSettings& settings) {
    MergeCheck result;
    notePage(document, result.notes);
    const MergeTemplate script(document.script());
    std::unique_ptr<DataFile> data;
    static const std::vector<std::string> kNoColumns;
    if (!settings.dataPath.empty()) {
        data = std::make_unique<DataFile>(settings.dataPath, settings.csv);
        if (!data->opened()) {
            result.problems.push_back({0, {}, *data->fault(), {}});
            result.unreadable = true;
            return result;
        }
    }
    LabelValues values(script, data ? data->reader().columns() : kNoColumns, settings);
    checkFields(script, values, data.get(), settings.csv, result.problems);
    RecordCheck records(script, values, settings, result);
    bool fieldsFilled = result.problems.empty();
    if (!data) {
        records.check(nullptr, {}, {}, fieldsFilled);
        return result;
    }
    CsvReader& reader = data->reader();
    std::size_t expected = reader.columns().size();
    while (reader.next() && reader.record() <= settings.lastRecord) {
        if (reader.record() == 1 && !settings.csv.header) {
            expected = reader.fieldCount();
            checkPositions(script, *data, expected, result.problems);
            fieldsFilled = result.problems.empty();
        }
        if (reader.record() < settings.firstRecord)
            continue;
        const std::string place = "record " + std::to_string(reader.record()) + " (" +
                                  data->name() + " line " + std::to_string(reader.line()) + ")";
        records.check(&reader, place, rowShapeProblem(reader, expected, settings.csv.header),
                      fieldsFilled);
    }
    if (const auto fault = data->fault()) {
        result.problems.push_back({0, {}, *fault, {}});
        result.unreadable = true;
    }
    return result;
}

} // namespace quillset
