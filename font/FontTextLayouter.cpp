#include "font/FontTextLayouter.h"

#include "font/GlyphCache.h"
#include "model/CodePage437.h"
#include "model/FontTextStyle.h"

#include <hb.h>
#include <unicode/normalizer2.h>
#include <unicode/ubidi.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace quillset {

// The text as it is shaped, with the faces chosen for it once for every
// size tried.
struct FontTextLayouter::Prepared {
    icu::UnicodeString text;          // NFC
    std::vector<int> faceOfUnit;      // an index into `faces` for each UTF-16 unit
    std::vector<FaceStyle> faces;     // the text's own face first
    std::vector<std::pair<int, int>> lines; // UTF-16 ranges, without their line feeds
    std::string family;               // of the text's own face
    bool bold = false;
    bool italic = false;
};

namespace {

struct BidiDeleter {
    void operator()(UBiDi* bidi) const { ubidi_close(bidi); }
};

bool isMark(char32_t c) {
    const auto type = u_charType(static_cast<UChar32>(c));
    return type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK ||
           type == U_COMBINING_SPACING_MARK;
}

int rounded(long dots64) {
    return static_cast<int>(dots64 >= 0 ? (dots64 + 32) / 64 : -((-dots64 + 32) / 64));
}

} // namespace

FontTextLayouter::FontTextLayouter(FontCatalog& catalog, FontFaces& faces)
    : catalog_(catalog)
    , faces_(faces)
    , buffer_(hb_buffer_create()) {}

FontTextLayouter::~FontTextLayouter() {
    hb_buffer_destroy(buffer_);
}

FaceStyle FontTextLayouter::faceFor(char32_t c, const FaceStyle& previous, Prepared& text) {
    const FaceStyle& own = text.faces.front();
    if (own.face < 0)
        return own;
    // What needs no glyph, and a mark its base's face has, stay in the run.
    if (!needsGlyph(c) || (isMark(c) && faces_.hasGlyph(previous.face, c)))
        return previous;
    for (const FaceStyle& used : text.faces) {
        if (faces_.hasGlyph(used.face, c))
            return used;
    }
    const auto file = catalog_.fallback(c, text.family, text.bold, text.italic);
    const int face = file ? faces_.open(*file) : -1;
    if (face < 0 || !faces_.hasGlyph(face, c))
        return own;
    return {face, text.bold && !file->bold, text.italic && !file->italic};
}

void FontTextLayouter::prepare(const FontTextRequest& request, Prepared& text,
                               FontTextLayout& out) {
    text.bold = (request.style & fontstyle::kBold) != 0;
    text.italic = (request.style & fontstyle::kItalic) != 0;
    const FamilyChoice& choice = catalog_.choose(request.family, text.bold, text.italic);
    out.note = choice.note;
    out.familyUsed = choice.file.family;
    text.family = choice.file.family;
    const int own = choice.file.path.empty() ? -1 : faces_.open(choice.file);
    text.faces.push_back({own, text.bold && !choice.file.bold, text.italic && !choice.file.italic});

    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    text.text = icu::UnicodeString::fromUTF8(request.text);
    if (U_SUCCESS(status))
        text.text = nfc->normalize(text.text, status);

    text.faceOfUnit.assign(static_cast<std::size_t>(text.text.length()), 0);
    FaceStyle previous = text.faces.front();
    int lineStart = 0;
    for (int i = 0; i < text.text.length();) {
        const char32_t c = static_cast<char32_t>(text.text.char32At(i));
        const int next = text.text.moveIndex32(i, 1);
        if (c == U'\n') {
            text.lines.emplace_back(lineStart, i);
            lineStart = next;
            i = next;
            continue;
        }
        FaceStyle face = faceFor(c, previous, text);
        if (needsGlyph(c) && (face.face < 0 || !faces_.hasGlyph(face.face, c))) {
            std::string shown;
            appendUtf8(shown, c);
            if (std::find(out.missing.begin(), out.missing.end(), shown) == out.missing.end())
                out.missing.push_back(std::move(shown));
        }
        auto known = std::find(text.faces.begin(), text.faces.end(), face);
        if (known == text.faces.end())
            known = text.faces.insert(text.faces.end(), face);
        for (int unit = i; unit < next; ++unit)
            text.faceOfUnit[static_cast<std::size_t>(unit)] =
                static_cast<int>(known - text.faces.begin());
        previous = face;
        i = next;
    }
    text.lines.emplace_back(lineStart, text.text.length());
}

void FontTextLayouter::shapeRun(const Prepared& text, int lineStart, int lineEnd, int from, int to,
                                bool rtl, int size, long& pen, Line& line) {
    const FaceStyle& face = text.faces[static_cast<std::size_t>(text.faceOfUnit[from])];
    if (face.face < 0)
        return;
    hb_buffer_clear_contents(buffer_);
    // The whole line goes in as context, so that joining and marks see
    // their neighbours across runs; only [from, to) is shaped.
    hb_buffer_add_utf16(buffer_, reinterpret_cast<const uint16_t*>(text.text.getBuffer() + lineStart),
                        lineEnd - lineStart, static_cast<unsigned>(from - lineStart), to - from);
    hb_buffer_set_direction(buffer_, rtl ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_guess_segment_properties(buffer_);
    hb_shape(faces_.shaper(face.face, size), buffer_, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
    const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer_, &count);
    const long bolder = face.emboldened ? emboldening(size) : 0;
    for (unsigned i = 0; i < count; ++i) {
        // Glyph 0 is the face's empty box: a character no font has is told,
        // never drawn as a box.
        if (info[i].codepoint != 0)
            line.glyphs.push_back({face, info[i].codepoint, rounded(pen + position[i].x_offset),
                                   -rounded(position[i].y_offset)});
        pen += position[i].x_advance + (position[i].x_advance > 0 ? bolder : 0);
    }
}

FontTextLayouter::Line FontTextLayouter::shapeLine(const Prepared& text, int start, int end,
                                                   int size) {
    Line line;
    if (start >= end)
        return line;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UBiDi, BidiDeleter> bidi(ubidi_openSized(end - start, 0, &status));
    ubidi_setPara(bidi.get(), text.text.getBuffer() + start, end - start, UBIDI_DEFAULT_LTR,
                  nullptr, &status);
    const int runs = U_SUCCESS(status) ? ubidi_countRuns(bidi.get(), &status) : 0;
    long pen = 0;
    std::vector<std::pair<int, int>> pieces;
    for (int r = 0; r < runs; ++r) {
        int32_t logicalStart = 0;
        int32_t length = 0;
        const bool rtl =
            ubidi_getVisualRun(bidi.get(), r, &logicalStart, &length) == UBIDI_RTL;
        // The run cut where its face changes, the pieces in visual order.
        pieces.clear();
        const int runEnd = start + logicalStart + length;
        for (int from = start + logicalStart; from < runEnd;) {
            int to = from + 1;
            while (to < runEnd && text.faceOfUnit[static_cast<std::size_t>(to)] ==
                                      text.faceOfUnit[static_cast<std::size_t>(from)])
                ++to;
            pieces.emplace_back(from, to);
            from = to;
        }
        if (rtl)
            std::reverse(pieces.begin(), pieces.end());
        for (const auto& [from, to] : pieces)
            shapeRun(text, start, end, from, to, rtl, size, pen, line);
    }
    line.advance = rounded(pen);
    return line;
}

FontTextLayout FontTextLayouter::lay(const FontTextRequest& request) {
    FontTextLayout out;
    Prepared text;
    prepare(request, text, out);
    const int asked = std::clamp(request.size, kMinFontSize, kMaxFontSize);
    std::vector<Line> lines;
    const auto shapeAll = [&](int size) {
        lines.clear();
        int widest = 0;
        for (const auto& [start, end] : text.lines) {
            lines.push_back(shapeLine(text, start, end, size));
            widest = std::max(widest, lines.back().advance);
        }
        return widest;
    };
    int size = asked;
    int widest = shapeAll(size);
    if (request.width > 0 && widest > request.width && asked > kMinFontSize) {
        // Widths grow about as the size does: the sizes well above where
        // they would fit are not tried one by one.
        size = std::clamp(asked * request.width / widest + 2, kMinFontSize, asked - 1);
        widest = shapeAll(size);
        while (widest > request.width && size > kMinFontSize)
            widest = shapeAll(--size);
    }
    out.fits = request.width <= 0 || widest <= request.width;
    out.size = size;
    out.width = request.width > 0 ? request.width : widest;

    const FaceMetrics metrics =
        text.faces.front().face >= 0 ? faces_.metrics(text.faces.front().face, size) : FaceMetrics{};
    const bool underline = (request.style & fontstyle::kUnderline) != 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int baseline = metrics.ascent + static_cast<int>(i) * metrics.lineHeight;
        const int room = out.width - lines[i].advance;
        const int shift = request.align == static_cast<int>(FontAlign::Centre)  ? room / 2
                          : request.align == static_cast<int>(FontAlign::Right) ? room
                                                                                : 0;
        for (PlacedGlyph glyph : lines[i].glyphs) {
            glyph.x += shift;
            glyph.y += baseline;
            out.glyphs.push_back(glyph);
        }
        if (underline && lines[i].advance > 0)
            out.underlines.push_back({shift, baseline + metrics.underlineOffset, lines[i].advance,
                                      metrics.underlineThickness});
    }
    out.height = metrics.ascent + metrics.descent +
                 static_cast<int>(lines.size() - 1) * metrics.lineHeight;
    return out;
}

} // namespace quillset
