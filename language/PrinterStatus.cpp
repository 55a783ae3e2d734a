#include "language/PrinterStatus.h"

namespace quillset {

std::string_view conditionText(PrinterCondition condition) {
    switch (condition) {
    case PrinterCondition::Ready:
        return "ready";
    case PrinterCondition::PaperNearEnd:
        return "paper near end";
    case PrinterCondition::PaperOut:
        return "paper out";
    case PrinterCondition::HeadOpen:
        return "head open";
    case PrinterCondition::CoverOpen:
        return "cover open";
    case PrinterCondition::RibbonOut:
        return "ribbon out";
    case PrinterCondition::Jam:
        return "paper jam";
    case PrinterCondition::Paused:
        return "paused";
    case PrinterCondition::Offline:
        return "offline";
    case PrinterCondition::Fault:
        return "printer error";
    case PrinterCondition::NoAnswer:
        return "no answer";
    case PrinterCondition::Unreadable:
        return "unreadable answer";
    }
    return "no answer";
}

std::string_view readyAgainText(PrinterCondition condition) {
    switch (condition) {
    case PrinterCondition::PaperOut:
        return "once the printer has paper";
    case PrinterCondition::HeadOpen:
        return "once the printer's head is closed";
    case PrinterCondition::CoverOpen:
        return "once the printer's cover is closed";
    case PrinterCondition::RibbonOut:
        return "once the printer has a ribbon";
    case PrinterCondition::Jam:
        return "once the paper jam is cleared";
    case PrinterCondition::Paused:
        return "once the printer is no longer paused";
    case PrinterCondition::Offline:
        return "once the printer is online";
    case PrinterCondition::Fault:
        return "once the printer's error is cleared";
    default:
        return {};
    }
}

std::string statusText(const PrinterStatus& status) {
    std::string text(conditionText(status.condition));
    if (!status.detail.empty())
        text.append(", ").append(status.detail);
    return text;
}

void addCondition(PrinterStatus& status, PrinterCondition what) {
    if (status.condition == PrinterCondition::Ready) {
        status.condition = what;
        return;
    }
    if (!status.detail.empty())
        status.detail += ", ";
    status.detail += conditionText(what);
}

} // namespace quillset
