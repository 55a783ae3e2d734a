#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// Cuts what arrives on the printer's line into page streams, as the printer
// does: a page starts at ESC P $ and ends with the byte 4 that follows
// ESC P #. Bytes between pages are ignored. A page that is still unfinished
// when the next one starts (a print cancelled part way) is given up.
class PageStreamReader {
public:
    struct Piece {
        bool complete;     // a whole page; otherwise an unfinished one given up
        std::string bytes; // from its ESC P $ on
    };

    // Takes the next bytes from the line; returns the pages they finished and
    // the unfinished pages they gave up, in the order they came.
    std::vector<Piece> feed(std::string_view bytes);

    // Bytes of the page under way, none between pages.
    std::size_t pendingBytes() const { return inPage_ ? buffer_.size() : 0; }

private:
    std::string buffer_;
    bool inPage_ = false;
    // Where the search for the next mark goes on; earlier bytes hold none.
    std::size_t scanFrom_ = 0;
};

} // namespace quillset
