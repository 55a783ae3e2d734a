#pragma once

#include "app/dialogs/CBatchPrintDlg.h"
#include "app/dialogs/CMergeDataDlg.h"
#include "app/shell/CFolioDoc.h"
#include "merge/MergeCheck.h"

#include <QObject>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QSpinBox;
class QToolBar;
class QWidget;

namespace quillset {

class CFolioView;
class MergeRun;
struct MergeSettings;

// The document's data file and the record the page view shows: File > Merge
// Data..., and the record bar on the toolbar ("Record 18 of 31, 8 with
// problems" with first, previous, next and last, a field to type a record's
// number, previous and next problem, and what is wrong with the record shown).
// The records with problems are
// those the check before a batch finds, checked again at each Compile. With data the page view
// shows the page filled with the record's values; the script pane keeps the fields. The choice, and
// what the last File > Print of the data chose, are remembered in the settings by the document's
// path, so the script file stays as the printer reads it.
class MergeData : public QObject {
    Q_OBJECT
public:
    // Pixels for the reason in the record bar; the rest is in its tooltip.
    static constexpr int kProblemWidth = 240;

    MergeData(CFolioDoc& document, CFolioView& view, QObject* parent);
    ~MergeData() override;

    // The record bar, hidden while there is no data.
    void addTo(QToolBar& toolBar);

    // File > Merge Data...
    void choose(QWidget* parent);
    // The data file, or none.
    const MergeDataChoice& choice() const { return choice_; }
    void setChoice(const MergeDataChoice& choice);
    // The same file, with or without the nearest characters.
    void setReplaceMissing(bool replace);

    const BatchPrintChoice& printChoice() const { return printChoice_; }
    void setPrintChoice(const BatchPrintChoice& choice);

    int records() const { return records_; }
    int record() const { return record_; }
    // Shows record `number` (from 1), clamped to the records there are.
    void showRecord(int number);
    // The records with problems, ascending.
    const std::vector<int>& badRecords() const { return bad_; }
    // What the check found wrong with record `number`, in the order found;
    // none for a record that prints as it should.
    std::vector<MergeProblem> problemsOf(int number) const;
    // The nearest record with a problem after or before the shown one, if
    // any.
    void showNextProblem();
    void showPreviousProblem();

    // What a print of the data starts from: the file, how it reads and
    // whether the nearest characters print.
    MergeSettings settings() const;
    // Whether File > Print makes a batch: there is a data file, or the
    // script holds fields or "$${".
    bool merges() const;

signals:
    // Another record is shown, or the records were counted and checked anew.
    void recordShown(int record);
    void recordsChecked();

private:
    void documentChanged(CFolioDoc::Changes what);
    void documentOpened();
    void remember() const;
    // Counts the records, checks them and shows the first.
    void reload();
    void checkRecords();
    // Makes the shown record's page from the script as it is now.
    void refreshPage();
    void updateBar();
    void updateProblem();
    void outlineProblems(const std::vector<MergeProblem>& problems);

    CFolioDoc& document_;
    CFolioView& view_;
    MergeDataChoice choice_;
    BatchPrintChoice printChoice_;
    int records_ = 0;
    int record_ = 0;
    std::vector<int> bad_;
    // The records' problems by record, ascending; those of the script or
    // the file as a whole are not a record's.
    std::vector<MergeProblem> problems_;
    std::unique_ptr<MergeRun> shown_;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QToolBar* bar_ = nullptr;
    QAction* labelAction_ = nullptr;
    QLabel* label_ = nullptr;
    QSpinBox* number_ = nullptr;
    QAction* numberAction_ = nullptr;
    QAction* previousProblem_ = nullptr;
    QAction* nextProblem_ = nullptr;
    QLabel* problem_ = nullptr;
    QAction* problemAction_ = nullptr;
};

} // namespace quillset
