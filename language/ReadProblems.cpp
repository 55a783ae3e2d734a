#include "language/ReadProblems.h"

#include "model/GroupedCount.h"

namespace quillset {

namespace {

constexpr std::size_t kMaxProblems = 1000;

} // namespace

void ReadProblems::add(ReadOutcome& outcome, std::uint64_t offset, std::string_view reason) {
    ++count_;
    if (count_ > kMaxProblems + 1)
        return;
    std::string line = "byte " + groupedCount(offset) + ": ";
    if (count_ > kMaxProblems)
        line += "further problems are not listed";
    else
        line += reason;
    outcome.problems.push_back(std::move(line));
}

std::string byteName(std::uint8_t byte) {
    if (byte == 0x1B)
        return "ESC";
    if (byte == 0x1D)
        return "GS";
    if (byte > 0x20 && byte < 0x7F)
        return std::string(1, static_cast<char>(byte));
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0x0F];
}

void ReadProblems::reportStray(ReadOutcome& outcome, std::string_view one,
                               std::string_view several) {
    if (strayCount_ == 0)
        return;
    std::string reason = "skipped ";
    if (strayCount_ == 1)
        reason.append("a byte ").append(one);
    else
        reason.append(groupedCount(strayCount_)).append(" bytes ").append(several);
    add(outcome, strayAt_, reason);
    strayCount_ = 0;
}

} // namespace quillset
