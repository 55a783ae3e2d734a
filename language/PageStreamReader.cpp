#include "language/PageStreamReader.h"

#include <algorithm>

namespace quillset {

namespace {

constexpr std::string_view kPageStart = "\x1bP$";
constexpr std::string_view kPageEnd = "\x1bP#\x04";

} // namespace

std::vector<PageStreamReader::Piece> PageStreamReader::feed(std::string_view bytes) {
    std::vector<Piece> pieces;
    buffer_.append(bytes);
    for (;;) {
        if (!inPage_) {
            const std::size_t start = buffer_.find(kPageStart, scanFrom_);
            if (start == std::string::npos) {
                // Keep what could be the beginning of a page start.
                const std::size_t keep = std::min(buffer_.size(), kPageStart.size() - 1);
                buffer_.erase(0, buffer_.size() - keep);
                scanFrom_ = 0;
                return pieces;
            }
            buffer_.erase(0, start);
            inPage_ = true;
            scanFrom_ = kPageStart.size();
        }
        const std::size_t restart = buffer_.find(kPageStart, scanFrom_);
        const std::size_t end = buffer_.find(kPageEnd, scanFrom_);
        if (restart == std::string::npos && end == std::string::npos) {
            const std::size_t overlap = kPageEnd.size() - 1;
            scanFrom_ = std::max(kPageStart.size(),
                                 buffer_.size() > overlap ? buffer_.size() - overlap : 0);
            return pieces;
        }
        const bool complete = end < restart;
        const std::size_t length = complete ? end + kPageEnd.size() : restart;
        pieces.push_back({complete, buffer_.substr(0, length)});
        buffer_.erase(0, length);
        inPage_ = false;
        scanFrom_ = 0;
    }
}

} // namespace quillset
