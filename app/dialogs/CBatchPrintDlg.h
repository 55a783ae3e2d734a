#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace quillset {

struct MergeSettings;

// File > Print for a page with data: all records or a range of them, the
// copies of each, and where the counter starts and how it steps.
class CBatchPrintDlg : public QDialog {
    Q_OBJECT
public:
    // `records`: how many the data file holds (0 without one: no range).
    CBatchPrintDlg(int records, QWidget* parent = nullptr);

    // Writes the choice into `settings`.
    void applyTo(MergeSettings& settings) const;

private:
    QRadioButton* all_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QSpinBox* counterStart_ = nullptr;
    QSpinBox* counterStep_ = nullptr;
};

} // namespace quillset
