#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillset {

class Reporter;
struct PageSettings;

// Script files: the page stream in code page 437 with CR LF line ends.

inline constexpr const char* kOpenForReadFailed = "Failed to open a file for read.";
inline constexpr const char* kOpenForWriteFailed = "Failed to open a file for write.";
inline constexpr const char* kWriteFailed = "Failed to write the file.";
// A line this long or longer, its CR LF counted, draws the long-line warning.
inline constexpr int kLongLine = 200;
std::string longLineWarning();

struct LoadedScript {
    std::string script; // UTF-8, every line ending in CR LF
    bool longLines = false;
};

// Reads a file's lines as Open does: every carriage return removed, the text
// converted to UTF-8, each line passed through the load filter. Lines are
// kept whole, however long.
LoadedScript loadScript(std::string_view fileBytes, PageSettings& settings);

// False for the lines Open takes out of the script: the printer's wrapper
// lines (an escape or end-of-transmission byte anywhere) and the page
// statements BeginPage, EndPage, SetMargin and SetPageSize, readable or not.
bool goesToScript(std::string_view line);

// One line (UTF-8, with its CR LF): the printer's wrapper lines and the page
// statements are dropped, SetMargin and SetPageSize that read are applied to
// `settings` and clamped into the raster, everything else is appended to
// `script`.
void loadFilter(std::string_view line, std::string& script, PageSettings& settings);

// What Save writes for a page stream: carriage returns removed, code page
// 437, every line feed written as CR LF.
std::string scriptFileBytes(std::string_view pageStream);

// Reports kOpenForReadFailed when the file cannot be read.
bool readScriptFile(const std::string& path, std::string& bytes, Reporter& reporter);

// Writes a temporary file beside `path` and puts it in place only once all
// of it was written, so a failure leaves the old file as it was. Reports
// kOpenForWriteFailed or kWriteFailed.
bool writeScriptFile(const std::string& path, std::string_view bytes, Reporter& reporter);

// Appends bytes to a file being written; false once writing failed.
using FileAppend = std::function<bool(std::string_view)>;
// The same for bytes made a piece at a time: `produce` hands each piece to
// the append it is given. The file is put in place only when `produce`
// returns true and every piece was written; when it gives up of itself the
// old file stays and nothing is reported (it has said why).
bool writeFileFrom(const std::string& path, const std::function<bool(const FileAppend&)>& produce,
                   Reporter& reporter);

} // namespace quillset
