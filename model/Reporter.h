#pragma once

#include <string>

namespace quillset {

// Where the engine's user-facing messages go: message boxes in the GUI,
// standard error in the command-line tool.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void report(const std::string& message) = 0;
};

} // namespace quillset
