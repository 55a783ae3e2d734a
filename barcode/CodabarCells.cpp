#include "barcode/CellTableBuilder.h"
#include "barcode/CellTables.h"

namespace quillset {

namespace {

// Narrow 1 module, wide 2, each character placed in a 12-module cell with
// blank modules around it. T, N, * and E are other names of the start/stop
// characters A, B, C and D.
constexpr CellModules kCells[] = {
    {'0', "000101010011"}, {'1', "000101011001"},  {'2', "000101001011"}, {'3', "000110010101"},
    {'4', "000101101001"}, {'5', "000110101001"},  {'6', "000100101011"}, {'7', "000100101101"},
    {'8', "000100110101"}, {'9', "000110100101"},  {'-', "000101001101"}, {'$', "000101100101"},
    {':', "011010110110"}, {'/', "011011010110"},  {'.', "011011011010"}, {'+', "010110110110"},
    {'A', "001011001001"}, {'B', "001001001011"},  {'C', "001010010011"}, {'D', "001010011001"},
    {'T', "010110010010"}, {'N', "010010010110"},  {'*', "010100100110"}, {'E', "010100110010"},
    {' ', "000000000000"}, {'!', "000000000000"},  {'"', "000000000000"}, {'%', "000000000000"},
    {'&', "000000000000"}, {'\'', "000000000000"}, {'(', "000000000000"}, {')', "000000000000"},
    {',', "000000000000"}, {0, "000000000000"},
};

constexpr auto kBytes = packCells<24>(kCells);
constexpr auto kIndex = indexKeys<24>(kBytes);

} // namespace

constexpr CellTable kCodabarCells{kBytes, kIndex.firstEntry, kIndex.firstDots, 24};

} // namespace quillset
