#include "model/KeptLines.h"

namespace quillset {

void KeptLines::clear() {
    std::string().swap(text_);
    count_ = 0;
}

void KeptLines::append(std::string_view line) {
    text_ += line;
    text_ += '\n';
    ++count_;
}

std::vector<std::string_view> KeptLines::lines() const {
    std::vector<std::string_view> out;
    out.reserve(count_);
    std::string_view rest = text_;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        out.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    return out;
}

} // namespace quillset
