#include "printer/PrintProgress.h"

#include "model/GroupedCount.h"

#include <algorithm>

namespace quillset {

std::uint64_t lineBytes(std::uint32_t baudRate, std::int64_t milliseconds) {
    if (milliseconds <= 0)
        return 0;
    return static_cast<std::uint64_t>(milliseconds) * baudRate / (1000u * kBitsPerByte);
}

std::int64_t lineMilliseconds(std::uint64_t bytes, std::uint32_t baudRate) {
    if (baudRate == 0)
        return 0;
    const std::uint64_t bits = bytes * kBitsPerByte * 1000u;
    return static_cast<std::int64_t>((bits + baudRate - 1) / baudRate);
}

std::string progressText(std::uint64_t sent, std::uint64_t total) {
    return groupedCount(sent) + " of " + groupedCount(total) + " bytes";
}

std::string progressText(std::uint64_t sent, std::uint64_t total, std::uint32_t baudRate) {
    const std::string text = progressText(sent, total);
    if (baudRate == 0)
        return text;
    const std::uint64_t rest = sent < total ? total - sent : 0;
    const std::int64_t seconds = (lineMilliseconds(rest, baudRate) + 999) / 1000;
    std::string left = std::to_string(seconds % 60) + " s left";
    if (seconds >= 60)
        left = std::to_string(seconds / 60) + " min " + left;
    return text + ", " + left;
}

std::string cancelledMessage(std::uint64_t sent, std::uint64_t total) {
    return "Printing cancelled after " + groupedCount(sent) + " of " + groupedCount(total) +
           " bytes; the printer may hold part of the page.";
}

long long PrintPosition::label() const {
    return before + std::clamp(taken + 1, 1LL, std::max(pages, 1LL));
}

namespace {

std::string labelOf(long long label, long long pages) {
    return std::to_string(label) + " of " + std::to_string(pages);
}

} // namespace

std::string progressText(const PrintPosition& position) {
    const std::string text = "Label " + labelOf(position.label(), position.all());
    return position.size == 0 ? text : text + ": " + progressText(position.sent, position.size);
}

std::string cancelledMessage(const PrintPosition& position) {
    if (position.sent == 0)
        return "Printing cancelled after " +
               labelOf(position.before + position.taken, position.all()) + " labels.";
    return "Printing cancelled in label " + labelOf(position.label(), position.all()) + ", after " +
           progressText(position.sent, position.size) + "; the printer may hold part of it.";
}

std::string stoppedMessage(const PrintPosition& position, const std::string& reason,
                           const StopNote& note) {
    if (position.all() <= 1 && position.taken == 0)
        return "Nothing sent; stopped: " + reason;
    const long long first = position.before + 1;
    const long long last = position.before + position.taken;
    std::string text = "Stopped before label " + labelOf(last + 1, position.all());
    if (note.record)
        text += " (record " + std::to_string(*note.record) + ")";
    text += ": " + reason + ".";
    const bool held = note.held && *note.held > 0 && position.taken > 0;
    if (position.before > 0 || held) {
        if (last < first)
            text += " No label sent";
        else if (last == first)
            text += " Label " + std::to_string(first) + " sent";
        else
            text += " Labels " + std::to_string(first) + "-" + std::to_string(last) + " sent";
        if (held) {
            const long long still = std::min(*note.held, position.taken);
            text += "; " + std::to_string(position.taken - still) + " printed, " +
                    std::to_string(still) + " still in the printer";
        }
        text += ".";
    }
    if (!note.wayOn.empty())
        text += " " + note.wayOn + ".";
    return text;
}

} // namespace quillset
