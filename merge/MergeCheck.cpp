#include "merge/MergeCheck.h"

#include "barcode/BarcodeCheck.h"
#include "document/FolioSession.h"
#include "merge/DataFile.h"
#include "merge/LabelValues.h"
#include "merge/MergeTemplate.h"
#include "model/CodePage437.h"
#include "model/Limits.h"
#include "model/ScriptReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace quillset {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

// Built by appending: GCC 12 at -O3 warns falsely about `"'" + std::string`.
std::string lackedCharacter(std::string_view character, std::string_view field) {
    std::string reason = "'";
    reason.append(character).append("' in ").append(field);
    reason.append(" is not in the printer's character set; it would print as '?'");
    return reason;
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

// What the script asks of its fields that no data can give.
void checkFields(const MergeTemplate& script, const LabelValues& values, const DataFile* data,
                 const CsvOptions& csv, std::vector<MergeProblem>& problems) {
    for (std::size_t i = 0; i < script.fields().size(); ++i) {
        const auto& [field, line] = script.fields()[i];
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
            problems.push_back({0, line, field.source + why});
    }
}

// A headerless file's columns are those of its first record.
void checkPositions(const MergeTemplate& script, const DataFile& data, std::size_t columns,
                    std::vector<MergeProblem>& problems) {
    for (const auto& [field, line] : script.fields()) {
        if (field.kind == FieldKind::Position && static_cast<std::size_t>(field.position) > columns)
            problems.push_back({0, line,
                                field.source + " is no column of " + data.name() + " (it has " +
                                    std::to_string(columns) + " columns)"});
    }
}

class LineChecker {
public:
    explicit LineChecker(const MergeTemplate& script)
        : script_(script) {}

    void check(int record, const std::vector<std::string_view>& values,
               std::vector<MergeProblem>& problems) {
        for (const MergeTemplate::FieldLine& line : script_.fieldLines())
            checkLine(record, line, values, problems);
    }

private:
    void add(std::vector<MergeProblem>& problems, int record, int line, std::string reason) {
        MergeProblem problem{record, line, std::move(reason)};
        if (std::find(problems.begin(), problems.end(), problem) == problems.end())
            problems.push_back(std::move(problem));
    }

    void checkLine(int record, const MergeTemplate::FieldLine& line,
                   const std::vector<std::string_view>& values,
                   std::vector<MergeProblem>& problems) {
        const int where = line.line;
        for (const std::size_t field : line.fields) {
            for (const std::string_view c : charactersCp437Lacks(values[field]))
                add(problems, record, where,
                    lackedCharacter(c, script_.fields()[field].field.source));
        }
        script_.fillLine(line, values, utf8_);
        cp437_.clear();
        appendUtf8AsCp437(cp437_, utf8_);
        ScriptReader reader;
        const Keyword keyword = reader.readDrawingStatement(cp437_);
        if (keyword == Keyword::None) {
            int pos = 0;
            const bool barcode = ScriptReader().readKeyword(cp437_, pos) == Keyword::DrawBarcode;
            if (std::strcmp(reader.failure.reason, "string too long") == 0)
                add(problems, record, where,
                    std::string(barcode ? "the barcode data is " : "the text is ") +
                        std::to_string(
                            literalItems(cp437_, static_cast<std::size_t>(reader.text.openQuote))) +
                        " characters long with its values; " + std::to_string(kMaxFieldChars) +
                        " fit");
            else
                add(problems, record, where,
                    std::string("with its values the line does not read (") +
                        reader.failure.reason + ")");
        } else if (keyword == Keyword::DrawBarcode) {
            if (const auto problem = barcodeDataProblem(reader.args[4], reader.text.text()))
                add(problems, record, where, *problem);
        }
    }

    const MergeTemplate& script_;
    std::string utf8_;
    std::string cp437_;
};

} // namespace

std::string MergeProblem::text() const {
    std::string where;
    if (record > 0)
        where = "record " + std::to_string(record) + ", ";
    if (line > 0)
        where += "line " + std::to_string(line) + ": ";
    return where + reason;
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

MergeCheck checkMerge(const FolioSession& document, const MergeSettings& settings) {
    MergeCheck result;
    const MergeTemplate script(document.script());
    std::unique_ptr<DataFile> data;
    static const std::vector<std::string> kNoColumns;
    if (!settings.dataPath.empty()) {
        data = std::make_unique<DataFile>(settings.dataPath, settings.csv);
        if (!data->opened()) {
            result.problems.push_back({0, 0, *data->fault()});
            result.unreadable = true;
            return result;
        }
    }
    LabelValues values(script, data ? data->reader().columns() : kNoColumns, settings);
    checkFields(script, values, data.get(), settings.csv, result.problems);
    LineChecker lines(script);
    const int copiesChecked = script.uses(FieldKind::Counter) ? settings.copies : 1;
    bool fieldsFilled = result.problems.empty();
    // Once a field cannot be filled, every label would show that; the
    // labels are checked when the fields are right.
    const auto checkRecord = [&](const CsvReader* record, int number) {
        ++result.records;
        for (int copy = 0; fieldsFilled && copy < copiesChecked; ++copy) {
            const long long label =
                static_cast<long long>(number - settings.firstRecord) * settings.copies + copy;
            lines.check(number, values.of(record, label), result.problems);
        }
    };
    if (!data) {
        checkRecord(nullptr, 1);
        return result;
    }
    CsvReader& reader = data->reader();
    const std::size_t headerColumns = reader.columns().size();
    bool noted = false;
    while (reader.next() && reader.record() <= settings.lastRecord) {
        if (reader.record() == 1 && !settings.csv.header) {
            checkPositions(script, *data, reader.fieldCount(), result.problems);
            fieldsFilled = result.problems.empty();
        }
        if (reader.record() < settings.firstRecord)
            continue;
        if (settings.csv.header && reader.fieldCount() > headerColumns &&
            !std::exchange(noted, true))
            result.notes.push_back(
                "record " + std::to_string(reader.record()) + " (line " +
                std::to_string(reader.line()) + " of " + data->name() + ") has " +
                std::to_string(reader.fieldCount()) + " fields where the header names " +
                std::to_string(headerColumns) + "; the fields past the last column are left out");
        checkRecord(&reader, reader.record());
    }
    if (const auto fault = data->fault()) {
        result.problems.push_back({0, 0, *fault});
        result.unreadable = true;
    }
    return result;
}

} // namespace quillset
