#pragma once

#include <string_view>

namespace quillset {

// Whether a literal's text holds a field ("${"), filled anew for each label
// from a data file, a counter or the date: such data is checked once it is
// filled, not as written.
inline bool holdsField(std::string_view text) {
    return text.find("${") != std::string_view::npos;
}

} // namespace quillset
