#include "app/commands/LabelsOverview.h"

#include "app/commands/LabelsModel.h"
#include "app/commands/MergeData.h"
#include "app/shell/CFolioDoc.h"

#include <QListView>

namespace quillset {

LabelsOverview::LabelsOverview(CFolioDoc& document, MergeData& merge, QWidget* parent)
    : QDockWidget(QStringLiteral("Labels"), parent)
    , merge_(merge)
    , model_(new LabelsModel(document, merge, this))
    , list_(new QListView(this)) {
    setObjectName(QStringLiteral("labelsOverview"));
    setAccessibleName(QStringLiteral("Labels"));
    list_->setAccessibleName(QStringLiteral("Labels of the batch"));
    // Items of one size: the view lays out a million records without asking
    // for any picture but those it paints.
    list_->setUniformItemSizes(true);
    list_->setIconSize(QSize(LabelsModel::kPictureWidth, LabelsModel::kPictureWidth));
    list_->setSpacing(4);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setModel(model_);
    list_->setMinimumWidth(LabelsModel::kPictureWidth + 80);
    setWidget(list_);

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
            selectRecord(merge_.record());
        }
    });
}

void LabelsOverview::selectRecord(int record) {
    if (record < 1 || record > model_->rowCount())
        return;
    const QModelIndex index = model_->index(record - 1);
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

} // namespace quillset
