#include "app/commands/LabelsOverview.h"

#include "app/commands/LabelsModel.h"
#include "app/commands/MergeData.h"
#include "app/shell/CFolioDoc.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListView>
#include <QSlider>
#include <QWheelEvent>

namespace quillset {

namespace {

// A wheel's notch, and the slider's step for it.
constexpr int kWheelStep = 120;
constexpr int kScaleStep = 5;

} // namespace

LabelsOverview::LabelsOverview(CFolioDoc& document, MergeData& merge, QWidget* parent)
    : QDockWidget(QStringLiteral("Labels"), parent)
    , merge_(merge)
    , model_(new LabelsModel(document, merge, this))
    , list_(new QListView(this))
    , size_(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("labelsOverview"));
    setAccessibleName(QStringLiteral("Labels"));
    list_->setAccessibleName(QStringLiteral("Labels of the batch"));
    // Items of one size: the view lays out a million records without asking
    // for any picture but those it paints.
    list_->setUniformItemSizes(true);
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWrapping(true);
    list_->setSpacing(6);
    // The frame shows where one label ends and the next begins; white labels
    // on white would run together.
    list_->setStyleSheet(QStringLiteral(
        "QListView::item { border: 1px solid palette(mid); padding: 2px; }"
        "QListView::item:selected { border: 2px solid palette(highlight); }"));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setModel(model_);
    list_->viewport()->installEventFilter(this);

    size_->setRange(LabelsModel::kMinScale, LabelsModel::kMaxScale);
    size_->setSingleStep(kScaleStep);
    size_->setPageStep(4 * kScaleStep);
    size_->setValue(model_->scale());
    size_->setAccessibleName(QStringLiteral("Label size"));
    size_->setToolTip(QStringLiteral("Label size (Ctrl+wheel)"));
    auto* sizeLabel = new QLabel(QStringLiteral("&Size"), this);
    sizeLabel->setBuddy(size_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(size_);
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(sizeRow);
    layout->addWidget(list_);
    setWidget(pane);
    resizePictures();

    connect(size_, &QSlider::valueChanged, this, &LabelsOverview::resizePictures);
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { merge_.showRecord(index.row() + 1); });
    connect(&merge, &MergeData::recordsChecked, this, [this] {
        model_->refresh();
        selectRecord(merge_.record());
    });
    connect(&merge, &MergeData::recordShown, this, &LabelsOverview::selectRecord);
    connect(&document, &CFolioDoc::changed, this, [this](CFolioDoc::Changes what) {
        if (what & CFolioDoc::Change::Page) {
            model_->refresh();
            resizePictures();
            selectRecord(merge_.record());
        }
    });
}

void LabelsOverview::resizePictures() {
    model_->setScale(size_->value());
    const QSize picture = model_->pictureSize();
    list_->setIconSize(picture);
    // A label and its frame fit across the pane.
    list_->setMinimumWidth(picture.width() + 40);
}

// Ctrl with the wheel over the labels sizes them, a step a notch.
bool LabelsOverview::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->viewport() || event->type() != QEvent::Wheel)
        return QDockWidget::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    wheelTurn_ += wheel->angleDelta().y();
    const int steps = wheelTurn_ / kWheelStep;
    wheelTurn_ -= steps * kWheelStep;
    size_->setValue(size_->value() + steps * kScaleStep);
    return true;
}

void LabelsOverview::selectRecord(int record) {
    if (record < 1 || record > model_->rowCount())
        return;
    const QModelIndex index = model_->index(record - 1);
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

} // namespace quillset
