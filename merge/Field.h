#pragma once

#include <string>
#include <string_view>

namespace quillset {

enum class FieldKind {
    Column,   // ${name}: the data file's column with that header
    Position, // ${2}: the second column, counted from 1
    Counter,  // ${seq} or ${seq:000000}: one up per label
    Date,     // ${date:%Y-%m-%d}: now, in strftime's format
    Time,     // ${time:%H:%M}
    Malformed // ${} and the like: reported, never filled
};

// One field of a literal, as `${...}` in the script.
struct Field {
    FieldKind kind = FieldKind::Malformed;
    std::string name;   // Column: the header as written; Date, Time: the format
    int position = 0;   // Position: 1 for the first column
    int width = 0;      // Counter: the digits it is padded to with zeros
    std::string source; // the field as written, "${name}"
};

// Reads what stands between "${" and "}".
Field readField(std::string_view inside);

// Compares two column names as the header matches them: without regard to
// the case of ASCII letters.
bool sameColumnName(std::string_view a, std::string_view b);

} // namespace quillset
