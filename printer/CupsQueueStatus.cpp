#include "printer/CupsQueueStatus.h"

#include <cups/cups.h>

#include <utility>

namespace quillset {

PrinterStatus cupsQueueStatus(std::string_view state, std::string_view reasons) {
    // Worst first; a reason is its keyword with "-error", "-warning" or
    // "-report" after it.
    static constexpr std::pair<std::string_view, PrinterCondition> kReasons[] = {
        {"media-empty", PrinterCondition::PaperOut},
        {"media-needed", PrinterCondition::PaperOut},
        {"door-open", PrinterCondition::CoverOpen},
        {"cover-open", PrinterCondition::CoverOpen},
        {"media-jam", PrinterCondition::Jam},
        {"marker-supply-empty", PrinterCondition::RibbonOut},
        {"paused", PrinterCondition::Paused},
        {"offline", PrinterCondition::Offline},
        {"media-low", PrinterCondition::PaperNearEnd},
    };
    PrinterStatus status{PrinterCondition::Ready, {}, std::nullopt};
    for (const auto& [keyword, condition] : kReasons) {
        for (std::size_t at = reasons.find(keyword); at != std::string_view::npos;
             at = reasons.find(keyword, at + 1)) {
            const bool starts = at == 0 || reasons[at - 1] == ',' || reasons[at - 1] == ' ';
            const char after =
                at + keyword.size() < reasons.size() ? reasons[at + keyword.size()] : ',';
            if (starts && (after == ',' || after == '-')) {
                addCondition(status, condition);
                break;
            }
        }
    }
    // A queue stopped by its administrator holds its jobs.
    if (state == "5" && status.ready())
        addCondition(status, PrinterCondition::Paused);
    return status;
}

PrinterStatus askCupsQueue(const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest)
        return PrinterStatus{PrinterCondition::NoAnswer, queue + ": " + cupsLastErrorString(),
                             std::nullopt};
    PrinterStatus status = cupsQueueStatus(*dest);
    cupsFreeDests(1, dest);
    return status;
}

PrinterStatus cupsQueueStatus(const cups_dest_s& queue) {
    const char* state = cupsGetOption("printer-state", queue.num_options, queue.options);
    const char* reasons = cupsGetOption("printer-state-reasons", queue.num_options, queue.options);
    return cupsQueueStatus(state ? state : "", reasons ? reasons : "");
}

} // namespace quillset
