#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillset {

// A character of a value that printed as the nearest the printer has.
struct NearCharacter {
    std::string character; // UTF-8, as the data file holds it
    std::string printed;   // what stands in its place: one or more characters
};

// The nearest characters of code page 437 for those it lacks: Ł as L, “ as
// ", … as ..., 中 as zhong, by ICU's "Any-Latin; Latin-ASCII" transliteration.
// Characters the code page has, é, ü and ñ among them, stay.
class NearCharacters {
public:
    // `utf8` (composed first, so that an e and its accent become one é) with
    // each character the code page lacks replaced by its nearest, into
    // `out`; each replacement, once, appended to `made`. A character
    // without a near one stays. False, `out` untouched, when `utf8` has no
    // character the code page lacks.
    bool replace(std::string_view utf8, std::string& out, std::vector<NearCharacter>& made);
    // What `character` (one, UTF-8) prints as: characters the code page has,
    // none of them `character`; nothing when it has no near one.
    const std::optional<std::string>& nearest(std::string_view character);

private:
    std::unordered_map<std::string, std::optional<std::string>> known_;
};

} // namespace quillset
