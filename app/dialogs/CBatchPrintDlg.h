#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace quillset {

struct MergeSettings;

// What the Print dialog of a page with data keeps for the document.
struct BatchPrintChoice {
    bool allRecords = true;
    int firstRecord = 1;
    int lastRecord = 1;
    int counterStart = 1;
    int counterStep = 1;
    // Whether ${seq} goes on from the last print, and the number of the
    // label after the last it printed.
    bool goOn = true;
    std::optional<long long> nextCounter;
    // Where the last print stopped part way, to resume from: the label
    // under way, the counter that print started at, and its data file.
    std::optional<long long> resumeLabel;
    int resumeCounter = 1;
    QString resumeData;

    bool operator==(const BatchPrintChoice&) const = default;
};

// File > Print for a page with data: all records or a range of them, the
// copies of each (Configure > Printer's Copies), where the counter starts
// (or going on from the last print) and how it steps, and whether
// characters the printer lacks print as the nearest it has; after a print
// that stopped part way, "Resume from label 37" of the same records.
class CBatchPrintDlg : public QDialog {
    Q_OBJECT
public:
    // `records`: how many the data file holds (0 without one: no range).
    CBatchPrintDlg(int records, const BatchPrintChoice& start, int copies, bool replaceMissing,
                   QWidget* parent = nullptr);

    BatchPrintChoice choice() const;
    int copies() const;
    bool replaceMissing() const;
    // The label to resume from, when that is chosen.
    std::optional<long long> resumeLabel() const;
    // Writes the choice into `settings`.
    void applyTo(MergeSettings& settings) const;

private:
    QRadioButton* all_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QSpinBox* counterStart_ = nullptr;
    QCheckBox* goOn_ = nullptr;
    QSpinBox* counterStep_ = nullptr;
    QCheckBox* replaceMissing_ = nullptr;
    QCheckBox* resume_ = nullptr;
    std::optional<long long> nextCounter_;
    std::optional<long long> resumeLabel_;
    int resumeCounter_;
};

} // namespace quillset
