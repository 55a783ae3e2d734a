#pragma once

#include "model/Reporter.h"

#include <iostream>

namespace quillset::cli {

// The tool shows the system's messages on standard error.
class StderrReporter : public Reporter {
public:
    void report(const std::string& message) override { std::cerr << message << '\n'; }
};

} // namespace quillset::cli
