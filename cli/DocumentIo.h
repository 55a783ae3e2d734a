#pragma once

#include "document/ScriptFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillset {
class FolioSession;
class Reporter;
} // namespace quillset

namespace quillset::cli {

struct Invocation;

// Reads FILE whole; "-" is standard input. Reports "Failed to open a file
// for read.".
bool readInput(const std::string& file, std::string& bytes, Reporter& reporter);

// Brings the command's FILE into the session: as File > Open does (a script
// file in code page 437), or with --as-pane as UTF-8 text typed into the
// script pane and compiled.
bool loadDocument(const Invocation& invocation, FolioSession& session, Reporter& reporter);
// A command on FILE: a session of the printer type, FILE loaded into it as
// loadDocument does, then `command` with it, the reporter writing to
// standard error. The tool's exit status: 1 when FILE does not load or
// `command` fails.
int runOnDocument(const Invocation& invocation,
                  const std::function<bool(FolioSession&, Reporter&)>& command);

// Writes `bytes` to the file, or to standard output when there is no file or
// it is "-".
bool writeOutput(const std::optional<std::string>& path, std::string_view bytes,
                 Reporter& reporter);
// The same for bytes made a piece at a time (writeFileFrom); standard output
// gets each piece as it comes.
bool writeOutputFrom(const std::optional<std::string>& path,
                     const std::function<bool(const FileAppend&)>& produce, Reporter& reporter);

} // namespace quillset::cli
