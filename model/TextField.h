#pragma once

#include "model/Limits.h"

#include <array>
#include <string_view>

namespace quillset {

// A zero-terminated text field of fixed size. Whatever is assigned, at most
// 199 characters are kept, so the terminating zero always fits.
class TextField {
public:
    void assign(std::string_view text);
    void clear() { bytes_.fill(0); }
    // Overwrites the last character; an empty field stays empty.
    void replaceLast(char c);

    std::string_view view() const;
    bool empty() const { return bytes_[0] == 0; }
    const char* c_str() const { return bytes_.data(); }

    friend bool operator==(const TextField&, const TextField&) = default;

private:
    std::array<char, kFieldSize> bytes_{};
};

} // namespace quillset
