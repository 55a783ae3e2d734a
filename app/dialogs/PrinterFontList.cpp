#include "app/dialogs/PrinterFontList.h"

#include "app/dialogs/DotsPicture.h"
#include "editor/TextEditContent.h"
#include "model/StyledText.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"

#include <QListWidget>

#include <algorithm>

namespace quillset {

namespace {

constexpr const char* kSample = "Abc 123";

QImage sampleOf(int font, const FontTable& fonts) {
    StyledText sample;
    sample.assign(kSample, static_cast<std::uint8_t>(font));
    TextRenderer renderer(fonts);
    renderer.measureTextBlock(0, sample);
    return dotsPicture(renderer.textExtentX, renderer.textExtentY, [&](PageRaster& raster) {
        renderer.DrawTextBlock(raster, 0, 0, 1, 0, sample);
    });
}

} // namespace

void fillPrinterFontList(QListWidget& list) {
    const FontTable fonts;
    QSize largest;
    for (int index = 0; index < kFontListEntries; ++index) {
        const int font = fontForListIndex(index);
        const int height = fonts.lookup(static_cast<std::uint8_t>(font)).height;
        const QString name = index == 0 ? QStringLiteral("Font (as 1)") : QString::number(font);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 \u00b7 %2 dots").arg(name).arg(height), &list);
        const QImage sample = sampleOf(font, fonts);
        item->setData(Qt::DecorationRole, QPixmap::fromImage(sample));
        item->setToolTip(QStringLiteral("Printer font %1, %2 dots high").arg(font).arg(height));
        largest = largest.expandedTo(sample.size());
    }
    list.setIconSize(largest);
}

} // namespace quillset
