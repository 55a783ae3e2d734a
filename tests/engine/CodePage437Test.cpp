#include "model/CodePage437.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(CodePage437, Utf8ToCp437) {
    const struct {
        const char* why;
        std::string utf8;
        std::string cp437;
    } cases[] = {
        {"ASCII unchanged", "Hello, 123!", "Hello, 123!"},
        {"accented letters", "\xC3\xA9t\xC3\xA9", "\x82t\x82"},
        {"box drawing", "\xE2\x95\x94\xE2\x95\x90", "\xC9\xCD"},
        {"Greek and symbols", "\xCE\xB1\xC2\xB0\xE2\x88\x9E", "\xE0\xF8\xEC"},
        {"not in the code page", "\xE2\x82\xAC", "?"},
        {"truncated sequence", "a\xC3", "a?"},
        {"lone continuation byte", "\x80z", "?z"},
        {"overlong encoding", "\xC0\xAF", "?"},
        {"surrogate", "\xED\xA0\x80", "?"},
        {"four-byte character", "\xF0\x9F\x98\x80", "?"},
        {"control characters pass", std::string("\t\r\n\0", 4), std::string("\t\r\n\0", 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToCp437(c.utf8), c.cp437) << c.why;
}

TEST(CodePage437, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp437(cp437ToUtf8(all)), all);
}

// The generator sizes the script with utf8Size before it appends; a size too
// small for any byte would make it grow past the file's size after all.
TEST(CodePage437, Utf8SizeIsTheSizeOfTheConversion) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8Size(one), cp437ToUtf8(one).size()) << "byte " << b;
    }
    std::string out = "a";
    appendCp437AsUtf8(out, "\x9C\xC4");
    EXPECT_EQ(out, "a\xC2\xA3\xE2\x94\x80");
}

} // namespace
} // namespace quillset
