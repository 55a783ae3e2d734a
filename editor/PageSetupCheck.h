#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillset {

class ObjectList;
struct PageSettings;

// What the Page Setup dialog shows and hands back, in printer dots.
struct PageSetupFields {
    int setupLeft = 0;
    int setupWidth = 0;
    int setupHeight = 0;
    int setupTop = 0;
    int setupPrinter = -1; // 0, 1, 2 for the 2, 3 and 4 inch types; -1 none chosen

    friend bool operator==(const PageSetupFields&, const PageSetupFields&) = default;
};

// Dots across the paper for a printer type button; 576 for none.
int paperWidthForPrinter(int setupPrinter);

// The values a printer type button writes into the fields: no margins, the
// paper's full width, the raster's full height.
PageSetupFields pageSetupDefaults(int setupPrinter);

PageSetupFields pageSetupFieldsOf(const PageSettings& settings, int printerType);

// The printer type (2, 3, 4) the page itself needs: the narrowest paper
// that holds its left margin and width. A file opened keeps its own type
// whatever the application last printed on.
int printerTypeOfPage(const PageSettings& settings);

// Why the dialog refuses its values, the first reason in the order the
// user reads them, or nothing when the page fits the paper and the raster.
// The left margin and the width are judged as they will be rounded (down
// to 8 and 16 dots, toward zero).
std::optional<std::string_view> checkPageSetup(const PageSetupFields& fields);

// Stores accepted values into the settings and normalises them; returns
// the printer type chosen.
int applyPageSetupFields(PageSettings& settings, const PageSetupFields& fields);

// After Page Setup: how many objects the new page does not wholly hold (the
// drawing cuts them off at its edges), as a note for the user; nothing when
// it holds them all.
std::optional<std::string> objectsOutsidePageNote(const ObjectList& list, const PageSettings& page);

} // namespace quillset
