#pragma once

#include <span>
#include <string>

namespace quillset {

// A label or roll the Page Setup list offers. A label fills its printer
// type's whole width (a 4 in label is printed across the 4-inch type's 832
// dots) and has a height of its own; a receipt is continuous, so its length
// is the user's and choosing it keeps the height shown.
struct CommonPageSize {
    const char* label; // as listed, UTF-8
    int setupPrinter;  // 0, 1, 2 for the 2, 3 and 4 inch types
    int height;        // dots; 0 for a receipt
    bool continuous() const { return height == 0; }
};

// The list, narrowest type first; "Custom" follows it in the dialog.
std::span<const CommonPageSize> commonPageSizes();

inline constexpr int kCustomSize = -1;

// The label whose width and height the page has, or kCustomSize. A receipt
// is never recognised: any page of its width would be one.
int commonSizeOf(int width, int height);

// What the list and the height become when another printer type is chosen
// (the width becomes the type's, the margins none):
// - a label turns into the label of the new type with the same height when
//   the list has one (3 x 2 in on the 4-inch type is 4 x 2 in); otherwise
//   the height stays, the list shows Custom and `heightNote` says whose
//   height it was, so that it is checked rather than kept unseen;
// - a receipt turns into the receipt of the new type, or Custom, its
//   length kept;
// - a custom page keeps its height.
struct SizeAfterPrinterSwitch {
    int size;
    int height;
    std::string heightNote; // empty when nothing needs checking
};
SizeAfterPrinterSwitch sizeForPrinterSwitch(int size, int height, int setupPrinter);

} // namespace quillset
