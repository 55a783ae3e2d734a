#pragma once

#include "language/PrinterStatus.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// The answers of the label and receipt printers to their status queries,
// read and made. A reader returns nothing while the answer is not yet
// whole, and an unreadable status when the bytes are no such answer. The
// makers play the printer's part (listen) with the fewest flags that tell
// `condition`.

// ~HS: three lines, each between STX and ETX, of flags after commas.
std::optional<PrinterStatus> readZplStatus(std::string_view answer);
std::string zplStatusAnswer(PrinterCondition condition);

// DLE EOT 1, 2 and 4: one byte each, of the printer, why it is offline and
// its paper sensors.
std::optional<PrinterStatus> readEscPosStatus(std::string_view answer);
std::string escPosStatusAnswer(PrinterCondition condition);

// ESC !?: one byte of flags, 0 when ready.
std::optional<PrinterStatus> readTsplStatus(std::string_view answer);
std::string tsplStatusAnswer(PrinterCondition condition);

} // namespace quillset
