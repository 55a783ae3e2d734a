#pragma once

#include "model/Reporter.h"

class QWidget;

namespace quillset {

// The engine's messages as modal message boxes with the application's title;
// a detail goes under the message in smaller print.
class MessageBoxReporter : public Reporter {
public:
    explicit MessageBoxReporter(QWidget* parent)
        : parent_(parent) {}

    void report(const std::string& message) override;
    void reportWithDetail(const std::string& message, const std::string& detail) override;

private:
    QWidget* parent_;
};

} // namespace quillset
