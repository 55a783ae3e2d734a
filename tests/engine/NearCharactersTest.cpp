#include "merge/NearCharacters.h"

#include "merge/CsvReader.h"
#include "merge/LabelValues.h"
#include "merge/MergeSettings.h"
#include "merge/MergeTemplate.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// A batch's records one after the other through the one set of values the
// batch keeps: each record's values and replacements are its own, whatever
// the record before needed, and a character met before prints as it did.
TEST(NearCharacters, EachRecordOfABatchHasItsOwnReplacements) {
    using Made = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* why;
        std::string row; // name;city as the data file holds it
        std::string name, city;  // as printed
        Made nameMade, cityMade; // character, printed as
    } records[] = {
        {"both fields need a near character", "\xC5\x81ukasz;\xC5\x81\xC3\xB3""d\xC5\xBA", "Lukasz",
         "L\xC3\xB3""dz", {{"\xC5\x81", "L"}}, {{"\xC5\x81", "L"}, {"\xC5\xBA", "z"}}},
        {"a clean record after one that needed them", "Ann;Bath", "Ann", "Bath", {}, {}},
        {"one field of two needs one", "\xC3\x98yvind;Krak\xC3\xB3w", "Oyvind", "Krak\xC3\xB3w",
         {{"\xC3\x98", "O"}}, {}},
        {"the next record needs them too",
         "Nguy\xE1\xBB\x85n;H\xC3\xA0 N\xE1\xBB\x99i", "Nguyen", "H\xC3\xA0 Noi",
         {{"\xE1\xBB\x85", "e"}}, {{"\xE1\xBB\x99", "o"}}},
        {"a short row after a longer one: its city empty", "Bob", "Bob", "", {}, {}},
        {"characters met before print as they did", "Zo\xC3\xAB;\xC5\x81\xC3\xB3""d\xC5\xBA",
         "Zo\xC3\xAB", "L\xC3\xB3""dz", {}, {{"\xC5\x81", "L"}, {"\xC5\xBA", "z"}}},
    };
    std::string csv = "name;city\n";
    for (const auto& r : records)
        csv += r.row + "\n";
    std::istringstream in(csv);
    CsvReader reader(in, {';', true});
    const MergeTemplate script("DrawText(0,0,1,0,\"${name} ${city}\");");
    MergeSettings settings;
    settings.replaceMissing = true;
    LabelValues values(script, reader.columns(), settings);
    const auto pairs = [](const std::vector<NearCharacter>& made) {
        Made out;
        for (const NearCharacter& m : made)
            out.emplace_back(m.character, m.printed);
        return out;
    };
    long long label = 0;
    for (const auto& r : records) {
        SCOPED_TRACE(r.why);
        ASSERT_TRUE(reader.next());
        const std::vector<std::string_view>& filled = values.of(&reader, label++);
        ASSERT_EQ(filled.size(), 2u);
        EXPECT_EQ(filled[0], r.name);
        EXPECT_EQ(filled[1], r.city);
        EXPECT_EQ(values.given(0), reader.field(0));
        EXPECT_EQ(values.given(1), reader.field(1));
        EXPECT_EQ(pairs(values.replaced(0)), r.nameMade);
        EXPECT_EQ(pairs(values.replaced(1)), r.cityMade);
    }
}

} // namespace
} // namespace quillset
