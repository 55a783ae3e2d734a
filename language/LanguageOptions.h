#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

// The languages a page can be sent in: the page stream that the script
// printer reads, or the page's picture in a raster printer's own language.
enum class PrinterLanguage { Script, EscPos, Zpl, Tspl, Epl2 };

// How a ZPL graphic field carries its image: compressed ASCII hex, which
// every ZPL printer reads, or the base64 of the deflated image, which newer
// ones read and which is about half as long.
enum class ZplCompression { Ascii, Z64 };

inline constexpr int kMaxBandRows = 256;
inline constexpr int kMaxFeedLines = 255;
inline constexpr int kMaxCopies = 9999;
inline constexpr int kDefaultGapMm = 3;
// Above every language's darkness, speed and gap: what the command line and
// the settings take before the language's own range is checked.
inline constexpr int kMaxLabelSetting = 99;

// What a label printer feeds: labels with a gap between them, labels with a
// black mark on the back, or continuous paper. Unset leaves the printer's
// own setting, as sensed or set on it.
enum class LabelMedia { Unset, Gap, Mark, Continuous };

// The language and its options, as the Printer dialog and the command line
// choose them. Options a language has no use for are ignored by it.
struct LanguageOptions {
    PrinterLanguage language = PrinterLanguage::Script;
    // ESC/POS: rows per GS v 0 band, 1..kMaxBandRows; cheap printers lose
    // data on big bands.
    int bandRows = kMaxBandRows;
    // Raster languages: send the picture's left part of this many dots; 0
    // for the whole width. Many 80 mm printers print 512 dots, not 576.
    int printWidth = 0;
    // ESC/POS: lines fed after the picture, 0..kMaxFeedLines, and whether to
    // cut the paper then.
    int feedLines = 0;
    bool cut = false;
    ZplCompression zplCompression = ZplCompression::Ascii;
    // The page printed this many times, 1..kMaxCopies.
    int copies = 1;
    // Label languages: the darkness (the language's own scale) and the
    // speed (inches a second), each sent only when set, so that the
    // printer's own setting stands otherwise; the ranges are the language's.
    std::optional<int> darkness = std::nullopt;
    std::optional<int> speed = std::nullopt;
    LabelMedia media = LabelMedia::Unset;
    // The gap between labels, or the black mark's height, in mm.
    int gapMm = kDefaultGapMm;

    bool operator==(const LanguageOptions&) const = default;
};

// The bytes of one page, once per copy (clamped to 1..kMaxCopies), for the
// languages that have no copy count of their own.
std::string pageCopies(std::string page, int copies);

std::string_view zplCompressionName(ZplCompression compression); // "ascii", "z64"
std::optional<ZplCompression> zplCompressionNamed(std::string_view name);

std::string_view labelMediaName(LabelMedia media); // "", "gap", "mark", "continuous"
std::optional<LabelMedia> labelMediaNamed(std::string_view name);

} // namespace quillset
