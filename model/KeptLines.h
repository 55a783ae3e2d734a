#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// The script lines that come after a full object list: not drawn, and
// written back after the objects exactly as they came. Held apart from the
// list, as one block of text, so that even a million of them cost little
// more than their bytes.
class KeptLines {
public:
    // Lets go of the text's memory too: a kept block may be huge.
    void clear();
    // One line, without its line break (code page 437).
    void append(std::string_view line);
    // Room for this many bytes of lines with their line feeds.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }

    std::size_t count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Every line followed by a line feed, in order, as the generator writes
    // kept lines.
    const std::string& text() const { return text_; }
    std::vector<std::string_view> lines() const;

private:
    std::string text_;
    std::size_t count_ = 0;
};

} // namespace quillset
