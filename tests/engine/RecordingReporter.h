#pragma once

#include "model/Reporter.h"

#include <string>
#include <vector>

namespace quillset {

// Keeps the messages instead of showing them.
class RecordingReporter : public Reporter {
public:
    std::vector<std::string> messages;
    void report(const std::string& message) override { messages.push_back(message); }
};

} // namespace quillset
