#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

struct CsvOptions {
    char delimiter = 0; // 0: found from the first line (comma, semicolon or tab)
    bool header = true; // the first line names the columns
};

// Reads a data file as a stream, one record at a time, in constant memory:
// RFC 4180 (quoted fields with delimiters, doubled quotes and line breaks),
// UTF-8 with or without a byte-order mark, CR LF, LF or CR line ends. Empty
// lines are no records. A line break inside a quoted field stays in the
// value as a line feed. Reading stops at the first fault: an unclosed quote,
// text after a closing quote, or bytes that are not UTF-8, each named by its
// line.
class CsvReader {
public:
    CsvReader(std::istream& in, CsvOptions options);

    char delimiter() const { return delimiter_; }
    // The header's column names; none without a header line.
    const std::vector<std::string>& columns() const { return columns_; }

    // Reads the next record; false at the end of the file or at a fault.
    bool next();
    // The current record's fields, as many as the line holds.
    std::size_t fieldCount() const { return count_; }
    // Field i (0-based); empty past the record's last field.
    std::string_view field(std::size_t i) const;
    // The current record: its number (1 for the first after the header) and
    // the file line it starts on.
    int record() const { return record_; }
    int line() const { return recordLine_; }

    // Why reading stopped early, as "line 12: ...".
    const std::optional<std::string>& fault() const { return fault_; }

private:
    int get();
    int peek();
    bool fill();
    bool readRecord();
    bool readQuoted(std::string& value);
    void endLine(int c);
    bool failAt(int line, const std::string& reason);
    bool checkUtf8(const std::string& value, int endLine);

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
    std::size_t size_ = 0;
    char delimiter_;
    std::vector<std::string> columns_;
    std::vector<std::string> fields_; // kept between records for their storage
    std::size_t count_ = 0;
    int lineNumber_ = 1; // the line being read
    int record_ = 0;
    int recordLine_ = 0;
    std::optional<std::string> fault_;
};

// Where UTF-8 `text` stops being valid, or npos when all of it is.
std::size_t invalidUtf8At(std::string_view text);

} // namespace quillset
