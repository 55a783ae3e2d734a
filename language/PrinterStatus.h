#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// What a printer says of itself: the worst it tells, the rest in the
// detail (out of paper with the head open is "paper out, head open").
enum class PrinterCondition {
    Ready,
    PaperNearEnd, // prints on; the roll needs changing soon
    PaperOut,
    HeadOpen,
    CoverOpen,
    RibbonOut,
    Jam,
    Paused,
    Offline,
    Fault,      // an error the printer names no further
    NoAnswer,   // nothing came back in time
    Unreadable, // something came back that is no answer in the language
};

struct PrinterStatus {
    PrinterCondition condition = PrinterCondition::NoAnswer;
    std::string detail; // the rest the printer told, for people: "head open"
    // The labels the printer has taken and not yet printed, where it tells.
    std::optional<long long> labelsHeld;

    // Whether it may print now.
    bool ready() const {
        return condition == PrinterCondition::Ready || condition == PrinterCondition::PaperNearEnd;
    }
    // Whether the printer told why it cannot print.
    bool fault() const { return !ready() && known(); }
    bool known() const {
        return condition != PrinterCondition::NoAnswer && condition != PrinterCondition::Unreadable;
    }
};

// "paper out", "head open", "no answer"...
std::string_view conditionText(PrinterCondition condition);
// When a print stopped for `condition` may go on: "once the printer has
// paper"; empty for the conditions that name nothing to put right.
std::string_view readyAgainText(PrinterCondition condition);
// The condition with the detail: "paper out, head open, 2 labels held".
std::string statusText(const PrinterStatus& status);

// Adds `what` to the status: its condition while it is ready, else a part
// of the detail; the readers of answers add the worst first.
void addCondition(PrinterStatus& status, PrinterCondition what);

} // namespace quillset
