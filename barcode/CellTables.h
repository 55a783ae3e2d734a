#pragma once

#include "barcode/CellTable.h"

namespace quillset {

// The cells of each symbology, in table order; the last entry of each is its
// sentinel. Keys are the bytes (or computed values) the encoders look up.
extern const CellTable kCode39Cells;          // 32 dots; sentinel 0
extern const CellTable kCode128Cells;         // 22 dots; sentinel 239
extern const CellTable kInterleaved2of5Cells; // 36 dots; sentinel 102
extern const CellTable kCodabarCells;         // 24 dots; sentinel 0
extern const CellTable kUpcLCells;            // 14 dots, odd parity; sentinel 0
extern const CellTable kUpcGCells;            // 14 dots, even parity; sentinel 0
extern const CellTable kUpcRCells;            // 14 dots; sentinel 0
extern const CellTable kUpcGuardCells;        // 14 dots: Q, L, O, R; sentinel 0
extern const CellTable kUpcCentreGuardCells;  // 10 dots: M; sentinel 0

} // namespace quillset
