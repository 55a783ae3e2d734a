#pragma once

#include <QStringView>

#include <string>

namespace quillset {

// The script reader counts characters of code page 437, one byte each; the
// script pane holds UTF-16, where a character beyond the first 65536 takes
// two units.

// A line of the pane as the reader sees it.
std::string paneLineToCp437(QStringView line);

// The index in `line` of the character `column` characters from its start,
// or the line's length when it is shorter.
qsizetype utf16Index(QStringView line, qsizetype column);

} // namespace quillset
