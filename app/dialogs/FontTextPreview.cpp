#include "app/dialogs/FontTextPreview.h"

#include "app/dialogs/DotsPicture.h"
#include "document/FontTextObject.h"
#include "editor/FontTextProperties.h"
#include "font/FontEngine.h"
#include "model/PageObject.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace quillset {

namespace {

constexpr int kLargestEnlargement = 4;

QStringList notesOf(const FontTextLayout& text, const FontTextFields& asked) {
    QStringList notes;
    if (!text.note.empty())
        notes << QString::fromStdString(text.note);
    if (text.size < asked.size && text.fits)
        notes << QStringLiteral("Shrunk to %1 dots to fit %2 dots across")
                     .arg(text.size)
                     .arg(asked.width);
    for (const std::string& problem : fontTextProblems(text, asked.width))
        notes << QStringLiteral("Problem: ") + QString::fromStdString(problem);
    return notes;
}

} // namespace

FontTextPreview::FontTextPreview(QWidget* parent)
    : QWidget(parent) {
    dots_ = new QLabel(this);
    dots_->setAccessibleName(QStringLiteral("Preview at the printer's dots"));
    dots_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setAccessibleName(QStringLiteral("Preview"));
    scroll_->setWidget(dots_);
    scroll_->setWidgetResizable(true);
    scroll_->setStyleSheet(QStringLiteral("background: white"));
    scroll_->setMinimumSize(320, 140);
    notes_ = new QLabel(this);
    notes_->setAccessibleName(QStringLiteral("Notes"));
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_, 1);
    layout->addWidget(notes_);
}

void FontTextPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showText(shown_);
}

void FontTextPreview::showText(const FontTextFields& fields) {
    shown_ = fields;
    dots_->clear();
    notes_->clear();
    if (fields.text.empty())
        return;
    if (const std::optional<std::string> refusal = checkFontTextFields(fields)) {
        notes_->setText(QString::fromStdString(*refusal));
        return;
    }
    // Laid out at (0, 0) the box may stand left of or above its corner once
    // turned; the picture starts at the box.
    PageObject o;
    FontTextFields atOrigin = fields;
    atOrigin.x = atOrigin.y = 0;
    applyFontTextFields(o, atOrigin);
    const auto text = fontTextLayout(o);
    const QImage dots =
        dotsPicture(o.right - o.left + 1, o.bottom - o.top + 1, [&](PageRaster& raster) {
            FontEngine::shared().draw(raster, {-o.left, -o.top, 1, o.angle}, *text);
        });
    const QSize room = scroll_->viewport()->size();
    const int factor = std::clamp(std::min(room.width() / std::max(1, dots.width()),
                                           room.height() / std::max(1, dots.height())),
                                  1, kLargestEnlargement);
    dots_->setPixmap(enlargedDots(dots, factor));
    notes_->setText(notesOf(*text, fields).join(QLatin1Char('\n')));
}

QString FontTextPreview::notes() const {
    return notes_->text();
}

} // namespace quillset
