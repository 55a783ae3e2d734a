#include "model/LooksLikeDrawing.h"

#include <algorithm>
#include <array>
#include <string>

namespace quillset {

namespace {

constexpr std::array<std::string_view, 6> kDrawingKeywords = {
    "DRAWTEXT", "DRAWRECTANGLE", "DRAWBARCODE", "DRAWSYMBOL", "DRAWPICTURE", "DRAWFONTTEXT"};
// Longer words can be neither a keyword's misspelling nor tell more about
// its prefix; the cap keeps a line of one endless word cheap to judge.
constexpr std::size_t kWordLetters = 16;

// The first word, upper-cased, after any blanks or control characters;
// empty when something else (a comment's slashes) comes first.
std::string firstWord(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ')
        ++i;
    std::string word;
    for (; i < line.size() && word.size() < kWordLetters; ++i) {
        const char c = line[i];
        if (c >= 'a' && c <= 'z')
            word += static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            word += c;
        else
            break;
    }
    return word;
}

// Edits (insert, delete, replace, swap of neighbours) from a to b; neither
// is longer than kWordLetters.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::array<std::array<std::size_t, kWordLetters + 1>, kWordLetters + 1> d{};
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

bool looksLikeDrawing(std::string_view line) {
    constexpr std::size_t kMinimumPrefix = 5; // "DRAWT", "DRAWR", "DRAWB", "DRAWP"
    const std::string word = firstWord(line);
    return std::any_of(kDrawingKeywords.begin(), kDrawingKeywords.end(), [&](std::string_view k) {
        const std::size_t shorter = std::min(word.size(), k.size());
        const bool prefix =
            shorter >= kMinimumPrefix && word.substr(0, shorter) == k.substr(0, shorter);
        return prefix || editDistance(word, k) <= 2;
    });
}

} // namespace quillset
