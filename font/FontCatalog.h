#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace quillset {

// A font file (and the face inside it) with what fontconfig says of it.
struct FontFile {
    std::string path;
    int index = 0;
    std::string family; // its first family name
    bool bold = false;  // the face itself is bold, not only asked to be
    bool italic = false;
    friend bool operator<(const FontFile& a, const FontFile& b) {
        return std::tie(a.path, a.index) < std::tie(b.path, b.index);
    }
};

// The family to draw and why it may differ from the one asked for.
struct FamilyChoice {
    FontFile file;
    std::string note; // empty, or "'Arial' is not installed; drawn with DejaVu Sans"
};

// The system's fonts as its font configuration knows them. The answers of
// each question are kept, so that a batch asks fontconfig once per family
// and character. Not thread-safe: FontEngine guards it.
class FontCatalog {
public:
    FontCatalog();
    ~FontCatalog();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

    // The face of `family` nearest to the style; a family that is not
    // installed gives the default family, with a note. An empty name is the
    // default family, without one.
    const FamilyChoice& choose(const std::string& family, bool bold, bool italic);
    // The installed face fontconfig prefers for `character` after `family`,
    // or nothing when none has it.
    std::optional<FontFile> fallback(char32_t character, const std::string& family, bool bold,
                                     bool italic);
    // Every installed family, sorted; with `text`, only those with a face
    // that has each of its visible characters.
    std::vector<std::string> families(const std::u32string& text = {});

private:
    std::optional<FontFile> match(const std::string& family, bool bold, bool italic,
                                  bool& installed);

    struct Handle;
    std::unique_ptr<Handle> config_;
    std::map<std::tuple<std::string, bool, bool>, FamilyChoice> chosen_;
    std::map<std::tuple<char32_t, std::string, bool, bool>, std::optional<FontFile>> fallbacks_;
};

// Whether a character needs a glyph to be seen: controls, format characters
// and the default ignorables (joiners, variation selectors) do not.
bool needsGlyph(char32_t character);

} // namespace quillset
