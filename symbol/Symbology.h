#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillset {

// Two-dimensional symbologies, by the number a script gives them.
namespace symbology {
inline constexpr std::int32_t kQrCode = 1;
inline constexpr std::int32_t kDataMatrix = 2;
inline constexpr std::int32_t kPdf417 = 3;
inline constexpr std::int32_t kAztec = 4;
inline constexpr std::int32_t kMaxiCode = 5;
} // namespace symbology

inline constexpr int kMinSymbolModule = 1;
inline constexpr int kMaxSymbolModule = 20;

// One symbology: its name, what its option means and the values it takes.
// `optionOff` is a value outside the range that is allowed too (Aztec's 0,
// the default error correction); -1 when there is none.
struct SymbologyInfo {
    std::int32_t number;
    std::string_view name;
    std::string_view optionLabel;
    int optionMin;
    int optionMax;
    int optionOff;
    int defaultOption;
    int defaultModule;
};

std::span<const SymbologyInfo> symbologies();
// The row of `number`, or null for a number no symbology has.
const SymbologyInfo* symbologyInfo(std::int32_t number);

// Whether `option` is one the symbology takes.
bool optionAllowed(const SymbologyInfo& info, int option);
// What the option does, as the dialog and the messages say it:
// "error correction H (30%)", "GS1", "security level 5", "mode 4".
std::string optionMeaning(const SymbologyInfo& info, int option);

} // namespace quillset
