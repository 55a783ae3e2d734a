#pragma once

#include "language/LanguageReader.h"

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

    // A byte that belongs to no command. A run of them is one problem, told
    // by reportStray() where the run ends.
    void countStray(std::uint64_t offset) {
        if (strayCount_++ == 0)
            strayAt_ = offset;
    }
    // "skipped a byte that is no command" or "skipped 12 bytes that are no
    // command", with the reader's words for one byte and for several.
    void reportStray(ReadOutcome& outcome, std::string_view one, std::string_view several);

private:
    std::size_t count_ = 0;
    std::uint64_t strayAt_ = 0;
    std::uint64_t strayCount_ = 0;
};

// A byte as problems name it: "ESC", "GS", "A", "0x9B".
std::string byteName(std::uint8_t byte);

} // namespace quillset
