#include "app/commands/LabelsModel.h"

#include "app/commands/MergeData.h"
#include "app/pageview/PagePicture.h"
#include "app/pageview/ShrunkPicture.h"
#include "app/shell/CFolioDoc.h"
#include "merge/MergeRun.h"
#include "merge/MergeSettings.h"
#include "model/PageSettings.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace quillset {

LabelsModel::LabelsModel(const CFolioDoc& document, const MergeData& merge, QObject* parent)
    : QAbstractListModel(parent)
    , document_(document)
    , merge_(merge) {}

int LabelsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : merge_.records();
}

QVariant LabelsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int record = index.row() + 1;
    const bool problem = hasProblem(record);
    switch (role) {
    case Qt::DisplayRole:
        return problem ? QStringLiteral("%1 \u26A0").arg(record) : QString::number(record);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: {
        // Each reason on a line of its own, as the check found them.
        QString text = QStringLiteral("Record %1").arg(record);
        for (const MergeProblem& found : merge_.problemsOf(record))
            text += QStringLiteral("\n\u26A0 ") + QString::fromStdString(found.reason);
        return text;
    }
    case Qt::ForegroundRole:
        return problem ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::DecorationRole: {
        const QImage& dots = picture(index.row());
        if (dots.isNull())
            return {};
        // Averaged, as the page view shrinks the page: a dithered grey stays
        // grey. The last pixels, partly beyond the label, are left out.
        const QPixmap shown = QPixmap::fromImage(
            shrunkPicture(dots, QPoint(0, 0), scale_).copy(QRect(QPoint(0, 0), pictureSize())));
        // The selected label keeps its own white: its frame shows the choice.
        QIcon icon(shown);
        icon.addPixmap(shown, QIcon::Selected);
        return icon;
    }
    case kDotsRole:
        return picture(index.row());
    default:
        return {};
    }
}

void LabelsModel::refresh() {
    beginResetModel();
    pictures_.clear();
    endResetModel();
}

void LabelsModel::setScale(int percent) {
    percent = std::clamp(percent, kMinScale, kMaxScale);
    if (percent == scale_)
        return;
    scale_ = percent;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

QSize LabelsModel::pictureSize() const {
    const PageSettings& page = document_.session().settings();
    return QSize(std::max(1, page.pageWidth * scale_ / 100),
                 std::max(1, page.pageHeight * scale_ / 100));
}

bool LabelsModel::hasProblem(int record) const {
    const std::vector<int>& bad = merge_.badRecords();
    return std::binary_search(bad.begin(), bad.end(), record);
}

// A record the data file stops before keeps an empty picture, so that it is
// not read for again.
const QImage& LabelsModel::picture(int row) const {
    if (const QImage* kept = pictures_.object(row))
        return *kept;
    // The pass ends where the pictures already made begin.
    int end = row + 1;
    while (end < std::min(row + kPass, rowCount()) && !pictures_.contains(end))
        ++end;
    MergeSettings settings = merge_.settings();
    settings.firstRecord = row + 1;
    settings.lastRecord = end;
    MergeRun run(document_.session(), settings);
    // Each page goes to its record's row: a record the data file leaves out
    // (one it cannot read) must not shift the rows after it.
    std::vector<bool> filled(static_cast<std::size_t>(end - row), false);
    while (run.next() && run.record() <= end) {
        const int r = run.record() - 1;
        pictures_.insert(r, new QImage(pagePicture(run.page().raster())));
        filled[static_cast<std::size_t>(r - row)] = true;
        ++made_;
    }
    for (int r = row; r < end; ++r)
        if (!filled[static_cast<std::size_t>(r - row)])
            pictures_.insert(r, new QImage);
    static const QImage none;
    const QImage* shown = pictures_.object(row);
    return shown ? *shown : none;
}

} // namespace quillset
