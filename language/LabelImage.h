#pragma once

#include "language/DotPicture.h"
#include "language/LanguageReader.h"

#include <cstdint>
#include <vector>

namespace quillset {

class ReadProblems;

// The most the pictures drawn on one label may take, and the pages given
// out at once: short labels with many copies would otherwise turn a few
// bytes into gigabytes of pages.
inline constexpr std::size_t kMaxLabelImageBytes = 32u << 20;
inline constexpr std::size_t kMaxCopyBytes = 64u << 20;

// A label printer's image buffer: the pictures drawn on the label since it
// was last cleared, in the order they came, put together when it prints.
class LabelImage {
public:
    // How a picture meets what is drawn under it: replacing it, adding its
    // black dots, or turning the dots under its black ones.
    enum class Mode { Overwrite, Or, Xor };

    // Draws `picture` (a set bit black) with its top left corner at x, y;
    // false, drawing nothing, when the pictures would take more than
    // kMaxLabelImageBytes.
    bool draw(int x, int y, DotPicture picture, Mode mode);
    void clear();
    std::size_t bytes() const { return bytes_; }

    // The label of `width` x `height` dots, what falls outside it cut off; a
    // size of 0 or less reaches as far as the pictures do (within
    // kMaxReadDots). Empty when the label has no width or height.
    DotPicture compose(int width, int height) const;

private:
    struct Drawn {
        int x = 0;
        int y = 0;
        Mode mode = Mode::Or;
        DotPicture picture;
    };

    std::vector<Drawn> drawn_;
    std::size_t bytes_ = 0;
};

// Gives out `copies` of `page`, as many as fit within kMaxCopyBytes with the
// pages `out` holds already; the problem at `offset` says so when that is
// fewer.
void giveCopies(ReadOutcome& out, PrintedPage page, std::uint64_t copies, ReadProblems& problems,
                std::uint64_t offset);

// The picture of raster rows in which a 0 bit prints, as TSPL's BITMAP and
// EPL2's GW send them: its set bits are the data's clear ones.
DotPicture pictureOfClearBits(int rowBytes, int rows, const std::vector<std::uint8_t>& data);

} // namespace quillset
