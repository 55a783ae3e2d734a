#include "merge/NearCharacters.h"

#include "model/CodePage437.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace quillset {

namespace {

icu::UnicodeString unicodeOf(std::string_view utf8) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
}

std::string utf8Of(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

// Making the transliterator reads much of ICU's rule data, a tenth of a
// second, so the process makes it once; ICU does not promise that one may
// be used from two threads at a time.
std::string transliterated(std::string_view character) {
    static std::mutex mutex;
    static const std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(
            icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    if (!transliterator)
        return std::string(character);
    icu::UnicodeString text = unicodeOf(character);
    const std::lock_guard lock(mutex);
    transliterator->transliterate(text);
    return utf8Of(text);
}

std::string composed(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::string(utf8);
    const icu::UnicodeString text = nfc->normalize(unicodeOf(utf8), status);
    return U_SUCCESS(status) ? utf8Of(text) : std::string(utf8);
}

} // namespace

const std::optional<std::string>& NearCharacters::nearest(std::string_view character) {
    const auto [known, added] = known_.try_emplace(std::string(character));
    if (added) {
        std::string printed = transliterated(character);
        if (!printed.empty() && printed != character && charactersCp437Lacks(printed).empty())
            known->second = std::move(printed);
    }
    return known->second;
}

bool NearCharacters::replace(std::string_view utf8, std::string& out,
                             std::vector<NearCharacter>& made) {
    if (charactersCp437Lacks(utf8).empty())
        return false;
    const std::string text = composed(utf8);
    out.clear();
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t at = 0; at < length;) {
        const std::int32_t start = at;
        UChar32 code = 0;
        U8_NEXT(text.data(), at, length, code);
        const std::string_view character(text.data() + start, static_cast<std::size_t>(at - start));
        const std::optional<std::string>* near = nullptr;
        if (code >= 0x80 && !charactersCp437Lacks(character).empty())
            near = &nearest(character);
        if (!near || !*near) {
            out.append(character);
            continue;
        }
        out += **near;
        if (std::none_of(made.begin(), made.end(),
                         [&](const NearCharacter& m) { return m.character == character; }))
            made.push_back({std::string(character), **near});
    }
    return true;
}

} // namespace quillset
