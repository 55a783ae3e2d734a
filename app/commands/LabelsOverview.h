#pragma once

#include <QDockWidget>

class QListView;
class QSlider;

namespace quillset {

class CFolioDoc;
class LabelsModel;
class MergeData;

// View > Labels: the batch at a glance in a pane of its own, docked beside
// the page or floating. Each record's label as a framed picture with its
// number under it, a mark on those with a problem; the size slider and
// Ctrl with the wheel make the pictures larger or smaller. Clicking one
// shows that record on the page, and the record the page shows is the one
// selected.
class LabelsOverview : public QDockWidget {
    Q_OBJECT
public:
    LabelsOverview(CFolioDoc& document, MergeData& merge, QWidget* parent);

    LabelsModel& model() { return *model_; }
    QListView& list() { return *list_; }
    QSlider& size() { return *size_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectRecord(int record);
    // The pictures at the slider's scale.
    void resizePictures();

    MergeData& merge_;
    LabelsModel* model_;
    QListView* list_;
    QSlider* size_;
    int wheelTurn_ = 0;
};

} // namespace quillset
