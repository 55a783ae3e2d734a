#include "app/dialogs/PrinterFontList.h"

#include "app/dialogs/DotsPicture.h"
#include "editor/TextEditContent.h"
#include "model/StyledText.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"

#include <QListWidget>

#include <algorithm>
#include <vector>

namespace quillset {

namespace {

constexpr const char* kSample = "Abc";
// Room for the scroll bar and the item's margins.
constexpr int kListMargins = 48;

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
    std::vector<QImage> samples;
    QSize largest;
    for (int index = 0; index < kFontListEntries; ++index) {
        samples.push_back(sampleOf(fontForListIndex(index), fonts));
        largest = largest.expandedTo(samples.back().size());
    }
    // Samples as wide as the widest, so the names stand in one column.
    int widestName = 0;
    for (int index = 0; index < kFontListEntries; ++index) {
        const int font = fontForListIndex(index);
        const int height = fonts.lookup(static_cast<std::uint8_t>(font)).height;
        const QString name = index == 0 ? QStringLiteral("Font (as 1)") : QString::number(font);
        const QString text = QStringLiteral("%1 \u00b7 %2 dots").arg(name).arg(height);
        auto* item = new QListWidgetItem(text, &list);
        const QImage& sample = samples[static_cast<std::size_t>(index)];
        item->setData(Qt::DecorationRole,
                      QPixmap::fromImage(sample.copy(0, 0, largest.width(), sample.height())));
        item->setToolTip(QStringLiteral("Printer font %1, %2 dots high").arg(font).arg(height));
        widestName = std::max(widestName, list.fontMetrics().horizontalAdvance(text));
    }
    list.setIconSize(largest);
    list.setMinimumWidth(largest.width() + widestName + kListMargins);
}

} // namespace quillset
