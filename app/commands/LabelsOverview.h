#pragma once

#include <QDockWidget>

class QListView;

namespace quillset {

class CFolioDoc;
class LabelsModel;
class MergeData;

// View > Labels: the batch at a glance in a pane of its own, docked beside
// the page or floating. Each record's label as a small picture with its
// number, a mark on those with a problem; clicking one shows that record on
// the page, and the record the page shows is the one selected.
class LabelsOverview : public QDockWidget {
    Q_OBJECT
public:
    LabelsOverview(CFolioDoc& document, MergeData& merge, QWidget* parent);

    LabelsModel& model() { return *model_; }
    QListView& list() { return *list_; }

private:
    void selectRecord(int record);

    MergeData& merge_;
    LabelsModel* model_;
    QListView* list_;
};

} // namespace quillset
