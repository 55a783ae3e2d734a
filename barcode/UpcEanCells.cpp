#include "barcode/CellTableBuilder.h"
#include "barcode/CellTables.h"

namespace quillset {

namespace {

constexpr CellModules kL[] = {
    {'0', "0001101"}, {'1', "0011001"}, {'2', "0010011"}, {'3', "0111101"},
    {'4', "0100011"}, {'5', "0110001"}, {'6', "0101111"}, {'7', "0111011"},
    {'8', "0110111"}, {'9', "0001011"}, {0, "0000000"},
};

constexpr CellModules kG[] = {
    {'0', "0100111"}, {'1', "0110011"}, {'2', "0011011"}, {'3', "0100001"},
    {'4', "0011101"}, {'5', "0111001"}, {'6', "0000101"}, {'7', "0010001"},
    {'8', "0001001"}, {'9', "0010111"}, {0, "0000000"},
};

constexpr CellModules kR[] = {
    {'0', "1110010"}, {'1', "1100110"}, {'2', "1101100"}, {'3', "1000010"},
    {'4', "1011100"}, {'5', "1001110"}, {'6', "1010000"}, {'7', "1000100"},
    {'8', "1001000"}, {'9', "1110100"}, {0, "0000000"},
};

// Q: quiet zone; L: four blank modules and the left guard; O: the end guard
// and four blank modules; R: the UPC-E end guard and one blank module.
constexpr CellModules kGuards[] = {
    {'Q', "0000000"}, {'L', "0000101"}, {'O', "1010000"}, {'R', "0101010"}, {0, "0000000"},
};

// The centre guard is the one cell of 5 modules.
constexpr CellModules kCentreGuard[] = {
    {'M', "01010"},
    {0, "00000"},
};

constexpr auto kLBytes = packCells<14>(kL);
constexpr auto kLIndex = indexKeys<14>(kLBytes);
constexpr auto kGBytes = packCells<14>(kG);
constexpr auto kGIndex = indexKeys<14>(kGBytes);
constexpr auto kRBytes = packCells<14>(kR);
constexpr auto kRIndex = indexKeys<14>(kRBytes);
constexpr auto kGuardBytes = packCells<14>(kGuards);
constexpr auto kGuardIndex = indexKeys<14>(kGuardBytes);
constexpr auto kCentreGuardBytes = packCells<10>(kCentreGuard);
constexpr auto kCentreGuardIndex = indexKeys<10>(kCentreGuardBytes);

} // namespace

constexpr CellTable kUpcLCells{kLBytes, kLIndex.firstEntry, kLIndex.firstDots, 14};
constexpr CellTable kUpcGCells{kGBytes, kGIndex.firstEntry, kGIndex.firstDots, 14};
constexpr CellTable kUpcRCells{kRBytes, kRIndex.firstEntry, kRIndex.firstDots, 14};
constexpr CellTable kUpcGuardCells{kGuardBytes, kGuardIndex.firstEntry, kGuardIndex.firstDots, 14};
constexpr CellTable kUpcCentreGuardCells{kCentreGuardBytes, kCentreGuardIndex.firstEntry, kCentreGuardIndex.firstDots, 10};

} // namespace quillset
