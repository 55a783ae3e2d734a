#pragma once

#include <string>

namespace quillset {

// Where the engine's user-facing messages go: message boxes in the GUI,
// standard error in the command-line tool.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void report(const std::string& message) = 0;
    // A message with its particulars under it (a device and the system's
    // reason, possibly a hint on a line of its own). The message stays as it
    // is; by default the detail follows it on the next line.
    virtual void reportWithDetail(const std::string& message, const std::string& detail) {
        report(message + '\n' + detail);
    }
};

} // namespace quillset
