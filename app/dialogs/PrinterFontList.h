#pragma once

class QListWidget;

namespace quillset {

// Fills the Text Edit dialog's list of printer fonts, the list index being
// the font number as editor/TextEditContent.h counts it: each entry names
// the font with its height in dots beside a sample the printer-font
// renderer draws, so the list shows what prints.
void fillPrinterFontList(QListWidget& list);

} // namespace quillset
