#include "printer/PrintSummary.h"

#include "model/GroupedCount.h"

namespace quillset {

std::string printingTo(std::string_view target, std::string_view language, std::uint32_t baudRate) {
    std::string text = "Printing to " + std::string(target);
    if (baudRate != 0)
        text += " at " + std::to_string(baudRate) + " bit/s";
    return text + " (" + std::string(language) + ")";
}

std::string sentSummary(std::uint64_t bytes, std::string_view target, std::string_view language) {
    return "Sent " + groupedCount(bytes) + (bytes == 1 ? " byte to " : " bytes to ") +
           std::string(target) + " (" + std::string(language) + ")";
}

std::string printedSummary(std::uint64_t labels, std::string_view target,
                           std::string_view language, std::uint64_t before, std::uint64_t of) {
    std::string text = "Printed ";
    if (before == 0)
        text.append(groupedCount(labels)).append(labels == 1 ? " label" : " labels");
    else if (labels == 1)
        text.append("label ").append(groupedCount(before + 1));
    else
        text.append("labels ")
            .append(groupedCount(before + 1))
            .append("-")
            .append(groupedCount(before + labels));
    if (before > 0)
        text.append(" of ").append(groupedCount(of));
    text.append(" to ").append(target).append(" (").append(language).append(").");
    return text;
}

} // namespace quillset
