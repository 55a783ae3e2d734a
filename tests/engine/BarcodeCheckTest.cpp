#include "barcode/BarcodeCheck.h"
#include "barcode/BarcodeType.h"

#include <gtest/gtest.h>

#include <string>

namespace quillset {
namespace {

using namespace barcode_type;

TEST(BarcodeCheck, SaysWhyDataWouldNotDrawAsGiven) {
    const struct {
        int type;
        std::string data;
        const char* problem; // empty: drawn as given
    } cases[] = {
        {kCode39, "ABC-12 $/+%.", ""},
        {kCode39, "abc-12", "Code 39 has no lower-case letters: a, b, c"},
        {kCode39, "A*#!", "Code 39 cannot draw *, #, !"},
        {kCode39, std::string(22, 'A'), ""},
        {kCode39, std::string(23, 'A'),
         "The barcode is too long: its symbol would be wider than 832 dots"},
        {kCode128, "QS4471092231GB", "Code 128 data must begin with a code-set character"},
        {kCode128, "\x88QS4471092231gb~", ""},
        {kCode128, "\207AB_`", "Code 128 code set A cannot draw `"},
        {kCode128, "\210A\017\200", "Code 128 code set B cannot draw CHR$(15), CHR$(128)"},
        {kCode128, "\2111234\20612\210ab", ""},
        {kCode128, "\21112\206123", "Code 128 code set C takes an even number of digits"},
        {kCode128, "\21112A", "Code 128 code set C cannot draw A"},
        {kInterleaved2of5, "123", "Interleaved 2 of 5 takes an even number of digits"},
        {kInterleaved2of5, "12 4", "Interleaved 2 of 5 cannot draw space"},
        {kUpcEan, "5901234123457", ""},
        {kUpcEan, "5901234123451", "EAN-13 check digit should be 7, not 1"},
        {kUpcEan, "03600029145X", "UPC-A check digit should be 2, not X"},
        {kUpcEan, "03600029145", "UPC-A takes 12 digits: the 11 and the check digit 2"},
        {kUpcEan, "123456", "UPC-E takes 7 digits: the 6 and the check digit 5"},
        {kUpcEan, "123456789", "UPC/EAN takes 7, 8, 12 or 13 digits, the last the check digit"},
        {kCodabar, "A123-$:/.+B", ""},
        {kCodabar, "123", "Codabar data must begin and end with A, B, C or D"},
        {kCodabar, "A12B34C", "Codabar has A, B, C and D only at the ends"},
        {kCode39, "", "The barcode has no data"},
        {6, "1", "Barcode type 6 is none of 1 to 5"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> problem = barcodeDataProblem(c.type, c.data);
        EXPECT_EQ(problem.value_or(""), c.problem) << "type " << c.type << ", data " << c.data;
    }
}

} // namespace
} // namespace quillset
