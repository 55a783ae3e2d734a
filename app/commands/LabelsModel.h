#pragma once

#include <QAbstractListModel>
#include <QCache>
#include <QImage>

namespace quillset {

class CFolioDoc;
class MergeData;

// The batch as a list of pictures, one a record, numbered as the record bar
// numbers them, those with a problem marked and their tooltips saying what
// the check found wrong. The decoration is the label at
// the scale chosen; kDotsRole gives its dots, one pixel a dot. A picture is
// made only when a view asks for it, with the few records after it in the
// same pass over the data file, and only the last few hundred are kept: the
// batch is never held.
class LabelsModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kDotsRole = Qt::UserRole;
    // Percent of the dots, from where a label is a thumbnail to life-size;
    // at the start a 24-dot line reads.
    static constexpr int kMinScale = 25;
    static constexpr int kMaxScale = 100;
    static constexpr int kStartScale = 60;
    // Records made in one pass, about a view's worth.
    static constexpr int kPass = 8;
    static constexpr int kKept = 400;

    LabelsModel(const CFolioDoc& document, const MergeData& merge, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The pictures made so far.
    long long made() const { return made_; }
    // The records or the script changed: every picture is made again.
    void refresh();

    int scale() const { return scale_; }
    void setScale(int percent);
    // A picture's size at the scale, for the view's icon size.
    QSize pictureSize() const;

private:
    bool hasProblem(int record) const;
    const QImage& picture(int row) const;

    const CFolioDoc& document_;
    const MergeData& merge_;
    mutable QCache<int, QImage> pictures_{kKept};
    mutable long long made_ = 0;
    int scale_ = kStartScale;
};

} // namespace quillset
