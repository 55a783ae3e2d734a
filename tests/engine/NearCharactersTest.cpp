#include "merge/NearCharacters.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(NearCharacters, ReplacesOnlyWhatTheCodePageLacks) {
    const struct {
        const char* why;
        std::string value;
        std::string printed;                                   // empty: nothing to replace
        std::vector<std::pair<std::string, std::string>> made; // character, printed as
    } cases[] = {
        {"a Polish L", "\xC5\x81ukasz", "Lukasz", {{"\xC5\x81", "L"}}},
        {"a Norwegian O", "\xC3\x98yvind", "Oyvind", {{"\xC3\x98", "O"}}},
        {"Vietnamese marks",
         "Nguy\xE1\xBB\x85n V\xC4\x83n",
         "Nguyen Van",
         {{"\xE1\xBB\x85", "e"}, {"\xC4\x83", "a"}}},
        {"quotes and an ellipsis",
         "\xE2\x80\x9CMill\xE2\x80\x9D\xE2\x80\xA6",
         "\"Mill\"...",
         {{"\xE2\x80\x9C", "\""}, {"\xE2\x80\x9D", "\""}, {"\xE2\x80\xA6", "..."}}},
        {"another script", "\xE4\xB8\xAD", "zhong", {{"\xE4\xB8\xAD", "zhong"}}},
        {"once each", "\xC5\x81\xC5\x81", "LL", {{"\xC5\x81", "L"}}},
        {"an accent apart from its e is composed, as the code page has it",
         "Rene\xCC\x81",
         "Ren\xC3\xA9",
         {}},
        {"nothing near stays", "Ann \xF0\x9F\x98\x80", "Ann \xF0\x9F\x98\x80", {}},
    };
    for (const auto& c : cases) {
        NearCharacters near;
        std::string out;
        std::vector<NearCharacter> made;
        ASSERT_TRUE(near.replace(c.value, out, made)) << c.why;
        EXPECT_EQ(out, c.printed) << c.why;
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const NearCharacter& m : made)
            pairs.emplace_back(m.character, m.printed);
        EXPECT_EQ(pairs, c.made) << c.why;
    }
    NearCharacters near;
    std::string out = "untouched";
    std::vector<NearCharacter> made;
    EXPECT_FALSE(near.replace("Jos\xC3\xA9 M\xC3\xBCller Pe\xC3\xB1"
                              "a",
                              out, made))
        << "code page 437 has \xC3\xA9, \xC3\xBC and \xC3\xB1";
    EXPECT_EQ(out, "untouched");
}

} // namespace
} // namespace quillset
