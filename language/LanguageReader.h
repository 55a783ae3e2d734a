#pragma once

#include "language/DotPicture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// A page as the printer prints it, and the settings it had received by
// then in words ("density 8, speed 4, gap 3 mm"); empty when it received
// none and its own stand.
struct PrintedPage {
    DotPicture picture;
    std::string settings;
};

// What a raster printer makes of the bytes it receives, as `listen` and the
// tests read them back: whole pages, and what it could not read.
struct ReadOutcome {
    std::vector<PrintedPage> pages;
    // "byte 1,234: unknown command ESC !" (offsets from the first byte fed).
    std::vector<std::string> problems;
};

// Reads one printer language from a byte stream that arrives in pieces of
// any size. A page comes out once the stream shows it is whole (ESC/POS: a
// cut or the next ESC @; ZPL: ^XZ, once per copy of ^PQ; TSPL: PRINT; EPL2:
// P).
class LanguageReader {
public:
    virtual ~LanguageReader() = default;
    virtual ReadOutcome feed(std::string_view bytes) = 0;
    // The stream has ended or paused (a connection closed, the line quiet):
    // a page under way that can be printed as it stands comes out.
    virtual ReadOutcome finish() = 0;
    // Bytes held for a page under way.
    virtual std::size_t pendingBytes() const = 0;
};

std::unique_ptr<LanguageReader> makeEscPosReader();
std::unique_ptr<LanguageReader> makeZplReader();
std::unique_ptr<LanguageReader> makeTsplReader();
std::unique_ptr<LanguageReader> makeEpl2Reader();

} // namespace quillset
