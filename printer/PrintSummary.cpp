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
                           std::string_view language) {
    return "Printed " + groupedCount(labels) + (labels == 1 ? " label to " : " labels to ") +
           std::string(target) + " (" + std::string(language) + ").";
}

} // namespace quillset
