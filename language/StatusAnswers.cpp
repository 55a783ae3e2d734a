#include "language/StatusAnswers.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

namespace quillset {

namespace {

constexpr char kStx = '\x02';
constexpr char kEtx = '\x03';

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        parts.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}

std::optional<long long> number(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

PrinterStatus unreadable() {
    return PrinterStatus{PrinterCondition::Unreadable, {}, std::nullopt};
}

PrinterStatus ready() {
    return PrinterStatus{PrinterCondition::Ready, {}, std::nullopt};
}

} // namespace

std::optional<PrinterStatus> readZplStatus(std::string_view answer) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; lines.size() < 3;) {
        const std::size_t start = answer.find(kStx, at);
        if (start == std::string_view::npos)
            return std::nullopt;
        const std::size_t end = answer.find(kEtx, start);
        if (end == std::string_view::npos)
            return std::nullopt;
        lines.push_back(answer.substr(start + 1, end - start - 1));
        at = end + 1;
    }
    const std::vector<std::string_view> first = fields(lines[0]);
    const std::vector<std::string_view> second = fields(lines[1]);
    if (first.size() < 12 || second.size() < 11)
        return unreadable();
    const auto inBuffer = number(first[4]);
    const auto inBatch = number(second[8]);
    if (!inBuffer || !inBatch)
        return unreadable();
    PrinterStatus status = ready();
    const auto flag = [&](std::string_view field, PrinterCondition condition) {
        if (field == "1")
            addCondition(status, condition);
    };
    flag(first[1], PrinterCondition::PaperOut);
    flag(second[2], PrinterCondition::HeadOpen);
    flag(second[3], PrinterCondition::RibbonOut);
    flag(first[2], PrinterCondition::Paused);
    if (first[10] == "1" || first[11] == "1")
        addCondition(status, PrinterCondition::Fault);
    status.labelsHeld = *inBuffer + *inBatch;
    if (*status.labelsHeld > 0) {
        if (!status.detail.empty())
            status.detail += ", ";
        status.detail += std::to_string(*status.labelsHeld) + " labels not yet printed";
    }
    return status;
}

std::string zplStatusAnswer(PrinterCondition condition) {
    const auto flag = [&](PrinterCondition c) { return condition == c ? '1' : '0'; };
    std::string answer;
    answer += kStx;
    answer += std::string("030,") + flag(PrinterCondition::PaperOut) + ',' +
              flag(PrinterCondition::Paused) + ",1200,000,0,0,0,000,0,0,0";
    answer += std::string(1, kEtx) + "\r\n" + kStx;
    answer += std::string("001,0,") + flag(PrinterCondition::HeadOpen) + ',' +
              flag(PrinterCondition::RibbonOut) + ",1,2,6,0,00000000,1,000";
    answer += std::string(1, kEtx) + "\r\n" + kStx + "1234,0" + kEtx + "\r\n";
    return answer;
}

std::optional<PrinterStatus> readEscPosStatus(std::string_view answer) {
    if (answer.size() < 3)
        return std::nullopt;
    // Bits 1 and 4 are always on and bits 0 and 7 off in every such byte.
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(answer[i]); };
    for (std::size_t i = 0; i < 3; ++i) {
        if ((byte(i) & 0x93) != 0x12)
            return unreadable();
    }
    const unsigned char printer = byte(0), offline = byte(1), paper = byte(2);
    PrinterStatus status = ready();
    const bool paperOut = (paper & 0x60) != 0 || (offline & 0x20) != 0;
    if (paperOut)
        addCondition(status, PrinterCondition::PaperOut);
    if (offline & 0x04)
        addCondition(status, PrinterCondition::CoverOpen);
    if (offline & 0x40)
        addCondition(status, PrinterCondition::Fault);
    if ((printer & 0x08) && status.condition == PrinterCondition::Ready)
        addCondition(status, PrinterCondition::Offline);
    if ((paper & 0x0C) && !paperOut)
        addCondition(status, PrinterCondition::PaperNearEnd);
    return status;
}

std::string escPosStatusAnswer(PrinterCondition condition) {
    char printer = 0x12, offline = 0x12, paper = 0x12;
    switch (condition) {
    case PrinterCondition::PaperOut:
        offline |= 0x20;
        paper |= 0x6C;
        break;
    case PrinterCondition::HeadOpen:
    case PrinterCondition::CoverOpen:
        offline |= 0x04;
        break;
    case PrinterCondition::PaperNearEnd:
        paper |= 0x0C;
        break;
    default:
        break;
    }
    if (condition != PrinterCondition::Ready && condition != PrinterCondition::PaperNearEnd)
        printer |= 0x08;
    return {printer, offline, paper};
}

std::optional<PrinterStatus> readTsplStatus(std::string_view answer) {
    if (answer.empty())
        return std::nullopt;
    const auto flags = static_cast<unsigned char>(answer[0]);
    PrinterStatus status = ready();
    static constexpr std::pair<unsigned char, PrinterCondition> kFlags[] = {
        {0x04, PrinterCondition::PaperOut},  {0x01, PrinterCondition::HeadOpen},
        {0x08, PrinterCondition::RibbonOut}, {0x02, PrinterCondition::Jam},
        {0x40, PrinterCondition::CoverOpen}, {0x10, PrinterCondition::Paused},
        {0x80, PrinterCondition::Fault},
    };
    for (const auto& [bit, condition] : kFlags) {
        if (flags & bit)
            addCondition(status, condition);
    }
    if (flags & 0x20) {
        if (!status.detail.empty())
            status.detail += ", ";
        status.detail += "printing";
    }
    return status;
}

std::string tsplStatusAnswer(PrinterCondition condition) {
    switch (condition) {
    case PrinterCondition::PaperOut:
        return "\x04";
    case PrinterCondition::HeadOpen:
        return "\x01";
    case PrinterCondition::Paused:
        return "\x10";
    default:
        return std::string(1, '\0');
    }
}

} // namespace quillset
