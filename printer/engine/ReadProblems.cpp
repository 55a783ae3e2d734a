#include "printer/engine/ReadProblems.h"

#include "printer/engine/PrintProgress.h"

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

} // namespace quillset
