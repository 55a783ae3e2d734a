#include "editor/PageSetupCheck.h"

#include "model/Limits.h"
#include "model/ObjectList.h"
#include "model/PageSettings.h"
#include "model/PrinterType.h"

#include <algorithm>
#include <cstdint>

namespace quillset {

namespace {

// Printer types 2, 3 and 4 are the dialog's buttons 0, 1 and 2.
constexpr int kFirstPrinterType = 2;

} // namespace

int paperWidthForPrinter(int setupPrinter) {
    switch (setupPrinter) {
    case 0:
        return 384;
    case 2:
        return 832;
    default:
        return 576;
    }
}

PageSetupFields pageSetupDefaults(int setupPrinter) {
    PageSetupFields f;
    f.setupLeft = 0;
    f.setupTop = 0;
    f.setupWidth = paperWidthForPrinter(setupPrinter);
    f.setupHeight = kRasterHeight;
    f.setupPrinter = setupPrinter;
    return f;
}

PageSetupFields pageSetupFieldsOf(const PageSettings& s, int printerType) {
    PageSetupFields f;
    f.setupLeft = s.leftMargin;
    f.setupTop = s.topMargin;
    f.setupWidth = s.pageWidth;
    f.setupHeight = s.pageHeight;
    f.setupPrinter = printerType - kFirstPrinterType;
    return f;
}

int printerTypeOfPage(const PageSettings& s) {
    const int across = s.leftMargin + s.pageWidth;
    for (int button = 0; button < 2; ++button)
        if (across <= paperWidthForPrinter(button))
            return button + kFirstPrinterType;
    return kFirstPrinterType + 2;
}

std::optional<std::string_view> checkPageSetup(const PageSetupFields& f) {
    const int paper = paperWidthForPrinter(f.setupPrinter);
    const int left = f.setupLeft / 8 * 8;
    if (left < 0 || left > kRasterWidth)
        return "Left margin is out of range.";
    // The top margin is held to the same bound as the left one.
    if (f.setupTop < 0 || f.setupTop > kRasterWidth)
        return "Top margin is out of range.";
    const int width = f.setupWidth / 16 * 16;
    if (width < 0 || width > paper)
        return "Width is out of range.";
    if (width + left > paper)
        return "Left margin plus page width exceeds paper width.";
    if (f.setupHeight < 1 || f.setupHeight > kRasterHeight)
        return "Height is out of range.";
    return std::nullopt;
}

int applyPageSetupFields(PageSettings& s, const PageSetupFields& f) {
    s.leftMargin = static_cast<std::int16_t>(f.setupLeft);
    s.topMargin = static_cast<std::int16_t>(f.setupTop);
    s.pageWidth = static_cast<std::int16_t>(f.setupWidth);
    s.pageHeight = static_cast<std::int16_t>(f.setupHeight);
    s.normalise();
    return normalisedPrinterType(f.setupPrinter + kFirstPrinterType);
}

std::optional<std::string> objectsOutsidePageNote(const ObjectList& list,
                                                  const PageSettings& page) {
    int outside = 0;
    for (int i = 0; i < list.count; ++i) {
        const PageObject& o = list[i];
        if (o.kind == ObjectKind::ScriptLine)
            continue;
        const bool inside = std::min(o.left, o.right) >= 0 && std::min(o.top, o.bottom) >= 0 &&
                            std::max(o.left, o.right) < page.pageWidth &&
                            std::max(o.top, o.bottom) < page.pageHeight;
        outside += inside ? 0 : 1;
    }
    if (outside == 0)
        return std::nullopt;
    return outside == 1
               ? std::string("1 object lies outside the new page, wholly or in part: it is cut "
                             "off at the page's edges.")
               : std::to_string(outside) +
                     " objects lie outside the new page, wholly or in part: they are cut off at "
                     "the page's edges.";
}

} // namespace quillset
