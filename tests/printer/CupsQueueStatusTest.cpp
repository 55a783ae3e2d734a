#include "printer/CupsQueueStatus.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(CupsQueueStatus, StateAndReasonsTellTheCondition) {
    const struct {
        const char* state;
        const char* reasons;
        PrinterCondition condition;
        std::string text;
        const char* why;
    } cases[] = {
        {"3", "none", PrinterCondition::Ready, "ready", "idle"},
        {"4", "none", PrinterCondition::Ready, "ready", "printing another job"},
        {"3", "media-empty-error", PrinterCondition::PaperOut, "paper out", "out of paper"},
        {"5", "media-needed-warning,paused", PrinterCondition::PaperOut, "paper out, paused",
         "worst first, the rest after it"},
        {"3", "door-open-report", PrinterCondition::CoverOpen, "cover open", "a report suffix"},
        {"5", "none", PrinterCondition::Paused, "paused", "a queue stopped by its administrator"},
        {"5", "paused", PrinterCondition::Paused, "paused", "stopped and told so: once"},
        {"3", "media-low-warning", PrinterCondition::PaperNearEnd, "paper near end", "prints on"},
        {"3", "offline-report", PrinterCondition::Offline, "offline", "offline"},
        {"3", "xmedia-empty-error", PrinterCondition::Ready, "ready",
         "a keyword inside another is not it"},
    };
    for (const auto& c : cases) {
        const PrinterStatus status = cupsQueueStatus(c.state, c.reasons);
        EXPECT_EQ(status.condition, c.condition) << c.why;
        EXPECT_EQ(statusText(status), c.text) << c.why;
    }
}

} // namespace
} // namespace quillset
