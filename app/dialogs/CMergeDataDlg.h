#pragma once

#include "merge/CsvReader.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quillset {

// The data file a document's fields are filled from.
struct MergeDataChoice {
    QString path; // empty: no data
    CsvOptions csv;
    // A character the printer lacks prints as the nearest it has.
    bool replaceMissing = false;
};

// The check box of MergeDataChoice::replaceMissing, as the Merge Data and
// the Print dialogs show it.
QCheckBox* replaceMissingBox(QWidget* parent);

// File > Merge Data...: the data file, whether its first line names the
// columns and which delimiter it uses, with its columns and first records
// shown as they will be read, and whether characters the printer lacks print
// as the nearest it has. OK takes the file, "No Data" clears it.
class CMergeDataDlg : public QDialog {
    Q_OBJECT
public:
    CMergeDataDlg(const MergeDataChoice& start, QWidget* parent = nullptr);

    // The start values until OK or "No Data", then the choice.
    MergeDataChoice choice() const { return choice_; }

    void accept() override;

private:
    void browse();
    MergeDataChoice shownChoice() const;
    // Reads the file's first records into the table, or says why it cannot.
    void showPreview();

    MergeDataChoice choice_;
    QLineEdit* path_ = nullptr;
    QCheckBox* header_ = nullptr;
    QComboBox* delimiter_ = nullptr;
    QCheckBox* replaceMissing_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace quillset
