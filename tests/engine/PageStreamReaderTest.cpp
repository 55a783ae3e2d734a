#include "language/PageStreamReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

using Piece = PageStreamReader::Piece;

const std::string kPage =
    std::string("\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,40);\r\n") +
    "DrawText(0,0,1,0,\"\x04 diamond\");\r\nEndPage();\r\n\x1bP#\x04";
const std::string kOther = std::string("\x1bP$\x1bPP\r\nBeginPage();\r\nEndPage();\r\n\x1bP#\x04");

std::string describe(const std::vector<Piece>& pieces) {
    std::string text;
    for (const Piece& piece : pieces)
        text += (piece.complete ? "page " : "dropped ") + std::to_string(piece.bytes.size()) + ";";
    return text;
}

std::vector<Piece> feedAll(PageStreamReader& reader, const std::vector<std::string>& chunks) {
    std::vector<Piece> pieces;
    for (const std::string& chunk : chunks)
        for (Piece& piece : reader.feed(chunk))
            pieces.push_back(std::move(piece));
    return pieces;
}

TEST(PageStreamReader, CutsTheLineIntoPages) {
    const std::string size = std::to_string(kPage.size());
    const std::string other = std::to_string(kOther.size());
    const std::string cut = kPage.substr(0, 50);
    const struct {
        const char* why;
        std::vector<std::string> chunks;
        std::string want;
    } cases[] = {
        {"one page in one read; a byte 4 inside the text does not end it", {kPage},
         "page " + size + ";"},
        {"two pages in one read", {kPage + kOther}, "page " + size + ";page " + other + ";"},
        {"bytes before and between pages are ignored",
         {"\r\nnoise\x1bP" + kPage + "\x04\x1bP#junk" + kOther},
         "page " + size + ";page " + other + ";"},
        {"a page cut off by the next one's start is given up",
         {cut, kOther},
         "dropped 50;page " + other + ";"},
        {"ESC P # without the end byte does not end the page", {"\x1bP$abc\x1bP#", "x\x04"}, ""},
        {"nothing yet", {"\x1bP$\x1bPP\r\nBeginPage();"}, ""},
    };
    for (const auto& c : cases) {
        PageStreamReader reader;
        EXPECT_EQ(describe(feedAll(reader, c.chunks)), c.want) << c.why;
    }
}

// A serial line hands over bytes in pieces of any size, marks split anywhere.
TEST(PageStreamReader, ReadsTheSameWhateverThePieces) {
    const std::string line = "xx" + kPage.substr(0, 30) + kPage + "\x1bP" + kOther + "\x1b";
    for (std::size_t size : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}}) {
        PageStreamReader reader;
        std::vector<std::string> chunks;
        for (std::size_t at = 0; at < line.size(); at += size)
            chunks.push_back(line.substr(at, size));
        const std::vector<Piece> pieces = feedAll(reader, chunks);
        ASSERT_EQ(describe(pieces), "dropped 30;page " + std::to_string(kPage.size()) + ";page " +
                                        std::to_string(kOther.size()) + ";")
            << size;
        EXPECT_EQ(pieces[1].bytes, kPage) << size;
        EXPECT_EQ(pieces[2].bytes, kOther) << size;
        EXPECT_EQ(reader.pendingBytes(), 0u) << "a lone ESC is not a page";
    }
}

TEST(PageStreamReader, PendingBytesAreThoseOfThePageUnderWay) {
    PageStreamReader reader;
    reader.feed("between pages");
    EXPECT_EQ(reader.pendingBytes(), 0u);
    reader.feed(kPage.substr(0, 20));
    EXPECT_EQ(reader.pendingBytes(), 20u);
    reader.feed(kPage.substr(20));
    EXPECT_EQ(reader.pendingBytes(), 0u);
}

} // namespace
} // namespace quillset
