#pragma once

#include "font/FontCatalog.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct FT_FaceRec_;
struct FT_LibraryRec_;
struct hb_font_t;

namespace quillset {

// A face as a text draws it: a font file's face, and whether its bold or
// slant is made by drawing because the family has no such face.
struct FaceStyle {
    int face = -1; // FontFaces' number for the file
    bool emboldened = false;
    bool slanted = false;
    friend bool operator==(const FaceStyle&, const FaceStyle&) = default;
};

// The vertical measures of a face at a size, in whole dots.
struct FaceMetrics {
    int ascent = 0;  // above the baseline
    int descent = 0; // below it
    int lineHeight = 0;
    int underlineOffset = 0; // the underline's top, below the baseline
    int underlineThickness = 1;
};

// The font files opened with FreeType and HarfBuzz, each once, for the
// engine's life; faces are numbered in the order they were first asked
// for. Not thread-safe: FontEngine guards it.
class FontFaces {
public:
    FontFaces();
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    // The number of the file's face, or -1 when FreeType cannot open it.
    int open(const FontFile& file);
    const FontFile& file(int face) const { return faces_[static_cast<std::size_t>(face)].file; }

    // The face at `size` dots to the em, ready to shape or draw with.
    FT_FaceRec_* sized(int face, int size);
    hb_font_t* shaper(int face, int size);
    bool hasGlyph(int face, char32_t character);
    FaceMetrics metrics(int face, int size);

private:
    struct Face {
        FontFile file;
        FT_FaceRec_* ft = nullptr;
        hb_font_t* hb = nullptr;
        int size = 0;
    };
    FT_LibraryRec_* library_ = nullptr;
    std::vector<Face> faces_;
    std::map<FontFile, int> numbers_;
};

} // namespace quillset
