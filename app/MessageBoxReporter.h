#pragma once

#include "model/Reporter.h"

class QWidget;

namespace quillset {

// The engine's messages as modal message boxes with the application's title.
class MessageBoxReporter : public Reporter {
public:
    explicit MessageBoxReporter(QWidget* parent)
        : parent_(parent) {}

    void report(const std::string& message) override;

private:
    QWidget* parent_;
};

} // namespace quillset
