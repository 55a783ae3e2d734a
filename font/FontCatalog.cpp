#include "font/FontCatalog.h"

#include "model/FontTextStyle.h"

#include <fontconfig/fontconfig.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <set>

namespace quillset {

struct FontCatalog::Handle {
    explicit Handle(FcConfig* loaded) : config(loaded) {}
    FcConfig* config;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (config)
            FcConfigDestroy(config);
    }
};

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return text;
}

const FcChar8* fc(const std::string& text) {
    return reinterpret_cast<const FcChar8*>(text.c_str());
}

std::string stringOf(FcPattern* pattern, const char* object, int n = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char*>(value);
}

int integerOf(FcPattern* pattern, const char* object, int fallback) {
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

FontFile fileOf(FcPattern* font) {
    FontFile file;
    file.path = stringOf(font, FC_FILE);
    file.index = integerOf(font, FC_INDEX, 0);
    file.family = stringOf(font, FC_FAMILY);
    file.bold = integerOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
    file.italic = integerOf(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    return file;
}

// A pattern asking for `family` in the style, with the configuration's
// substitutions applied as every program's font lookup applies them.
FcPattern* styledPattern(FcConfig* config, const std::string& family, bool bold, bool italic,
                         FcCharSet* characters = nullptr) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fc(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    if (characters)
        FcPatternAddCharSet(pattern, FC_CHARSET, characters);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

} // namespace

bool needsGlyph(char32_t character) {
    const auto c = static_cast<UChar32>(character);
    switch (u_charType(c)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
        return false;
    default:
        return !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
    }
}

FontCatalog::FontCatalog()
    : config_(std::make_unique<Handle>(FcInitLoadConfigAndFonts())) {}

FontCatalog::~FontCatalog() = default;

std::optional<FontFile> FontCatalog::match(const std::string& family, bool bold, bool italic,
                                           bool& installed) {
    FcPattern* pattern = styledPattern(config_->config, family, bold, italic);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(config_->config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!font)
        return std::nullopt;
    // fontconfig answers every question with some font; the family is
    // installed only when the answer carries its name.
    installed = false;
    for (int n = 0;; ++n) {
        const std::string name = stringOf(font, FC_FAMILY, n);
        if (name.empty())
            break;
        installed = installed || lower(name) == lower(family);
    }
    FontFile file = fileOf(font);
    FcPatternDestroy(font);
    if (file.path.empty())
        return std::nullopt;
    return file;
}

const FamilyChoice& FontCatalog::choose(const std::string& family, bool bold, bool italic) {
    const auto key = std::make_tuple(family, bold, italic);
    if (const auto found = chosen_.find(key); found != chosen_.end())
        return found->second;
    FamilyChoice choice;
    bool installed = false;
    const std::string asked = family.empty() ? kDefaultFontFamily : family;
    std::optional<FontFile> file = match(asked, bold, italic, installed);
    if (!installed && !family.empty()) {
        bool defaultInstalled = false;
        file = match(kDefaultFontFamily, bold, italic, defaultInstalled);
        choice.note = "'" + family + "' is not installed; drawn with " +
                      (file ? file->family : std::string("no font"));
    }
    if (file)
        choice.file = *file;
    return chosen_.emplace(key, std::move(choice)).first->second;
}

std::optional<FontFile> FontCatalog::fallback(char32_t character, const std::string& family,
                                              bool bold, bool italic) {
    const auto key = std::make_tuple(character, family, bold, italic);
    if (const auto found = fallbacks_.find(key); found != fallbacks_.end())
        return found->second;
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, character);
    FcPattern* pattern = styledPattern(config_->config, family, bold, italic, wanted);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(config_->config, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    FcCharSetDestroy(wanted);
    std::optional<FontFile> chosen;
    for (int i = 0; sorted && i < sorted->nfont && !chosen; ++i) {
        FcCharSet* has = nullptr;
        if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &has) == FcResultMatch &&
            FcCharSetHasChar(has, character))
            chosen = fileOf(sorted->fonts[i]);
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    return fallbacks_.emplace(key, chosen).first->second;
}

std::vector<std::string> FontCatalog::families(const std::u32string& text) {
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_CHARSET, nullptr);
    FcFontSet* fonts = FcFontList(config_->config, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    std::set<std::string> names;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcCharSet* has = nullptr;
        const bool listed = FcPatternGetCharSet(font, FC_CHARSET, 0, &has) == FcResultMatch;
        const bool covers = std::all_of(text.begin(), text.end(), [&](char32_t c) {
            return !needsGlyph(c) || c == U' ' || (listed && FcCharSetHasChar(has, c));
        });
        const std::string name = stringOf(font, FC_FAMILY);
        if (covers && !name.empty())
            names.insert(name);
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    return {names.begin(), names.end()};
}

} // namespace quillset
