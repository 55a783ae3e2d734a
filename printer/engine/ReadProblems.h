#pragma once

#include "printer/engine/LanguageReader.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillset {

// The largest page the readers take, in dots each way; bigger sizes are
// refused rather than held.
inline constexpr int kMaxReadDots = 4096;

// What a reader could not read, as "byte 1,234: reason". Past a limit only a
// last line says that more were left out, so that a stream of junk cannot
// fill the memory with problems.
class ReadProblems {
public:
    void add(ReadOutcome& outcome, std::uint64_t offset, std::string_view reason);

private:
    std::size_t count_ = 0;
};

// A byte as problems name it: "ESC", "GS", "A", "0x9B".
std::string byteName(std::uint8_t byte);

} // namespace quillset
