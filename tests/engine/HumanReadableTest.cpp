#include "barcode/HumanReadable.h"
#include "barcode/BarcodeType.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

std::string shownText(int type, std::string_view data) {
    StyledText styled;
    styled.assign(data);
    return std::string(humanReadableLine(type, styled).text());
}

// The code-page bytes of Code 128's code sets and function characters; in
// subsets A and B, 128 FNC3, 129 FNC2, 130 SHIFT, 131 CODE C, 132 and 133
// FNC4/CODE.
const std::string kSetA = "\x87";
const std::string kSetB = "\x88";
const std::string kSetC = "\x89";
const std::string kFnc1 = "\x86";

TEST(HumanReadable, LineHoldsWhatAScannerReads) {
    const struct {
        const char* why;
        int type;
        std::string data;
        std::string line;
    } cases[] = {
        {"Code 128: the code set Auto puts first", barcode_type::kCode128, kSetB + "QS4471092300GB",
         "QS4471092300GB"},
        {"Code 128: subset C digits", barcode_type::kCode128, kSetC + "0123", "0123"},
        {"Code 128: FNC1 in subset C", barcode_type::kCode128, kSetC + kFnc1 + "0123", "0123"},
        {"Code 128: a later code-set switch", barcode_type::kCode128, kSetB + "AB" + kSetC + "1234",
         "AB1234"},
        {"Code 128: FNC3, FNC2, SHIFT in subset B", barcode_type::kCode128,
         kSetB + "A\x80\x81\x82" + "B", "AB"},
        {"Code 128: CODE C and FNC4 in subset B", barcode_type::kCode128, kSetB + "A\x83\x84\x85",
         "A"},
        {"Code 128: subset A's control characters (` is NUL, a is SOH)", barcode_type::kCode128,
         kSetA + "AB`a", "AB"},
        {"Code 128: subset B keeps lower case, not DEL", barcode_type::kCode128, kSetB + "ab\x7f",
         "ab"},
        {"Code 128: a line feed is no character of B", barcode_type::kCode128, kSetB + "A\nB",
         "AB"},
        {"Code 128: no code set, no bars, line as stored", barcode_type::kCode128, "AB", "AB"},
        {"Code 39: start/stop and quiet-zone keys", barcode_type::kCode39, "A#B!C", "ABC"},
        {"Code 39: lower case has no cell", barcode_type::kCode39, "AbC-1", "AC-1"},
        {"Codabar: start/stop letters are data", barcode_type::kCodabar, "A123B", "A123B"},
        {"Codabar: blank cells", barcode_type::kCodabar, "A1 2!3,B", "A123B"},
        {"Interleaved 2 of 5 unchanged", barcode_type::kInterleaved2of5, "12345", "12345"},
        {"UPC/EAN unchanged", barcode_type::kUpcEan, "012345678905", "012345678905"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownText(c.type, c.data), c.line) << c.why;
    }
}

TEST(HumanReadable, CharactersKeepTheirAttributes) {
    StyledText styled;
    styled.assign(kSetB + "AB");
    styled.attrs[2] = attr::kBold | 2;
    const StyledText line = humanReadableLine(barcode_type::kCode128, styled);
    EXPECT_EQ(line.text(), "AB");
    EXPECT_EQ(line.attrs[0], attr::kDefault);
    EXPECT_EQ(line.attrs[1], attr::kBold | 2);
}

} // namespace
} // namespace quillset
