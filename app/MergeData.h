#pragma once

#include "app/dialogs/CBatchPrintDlg.h"
#include "app/dialogs/CMergeDataDlg.h"

#include <QObject>

#include <memory>

class QAction;
class QLabel;
class QToolBar;
class QWidget;

namespace quillset {

class CFolioDoc;
class CFolioView;
class MergeRun;
struct MergeSettings;

// The document's data file and the record the page view shows: File > Merge
// Data..., and the record bar on the toolbar ("Record 3 of 120" with first,
// previous, next and last). With data the page view shows the page filled
// with the record's values; the script pane keeps the fields. The choice,
// and what the last File > Print of the data chose, are remembered in the
// settings by the document's path, so the script file stays as the printer
// reads it.
class MergeData : public QObject {
    Q_OBJECT
public:
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

    // What a print of the data starts from: the file, how it reads and
    // whether the nearest characters print.
    MergeSettings settings() const;
    // Whether File > Print makes a batch: there is a data file, or the
    // script holds fields or "$${".
    bool merges() const;

private:
    void documentOpened();
    void documentRenamed();
    // Stores the choice for the document it belongs to.
    void remember() const;
    // Counts the records and shows the first.
    void reload();
    // Makes the shown record's page from the script as it is now.
    void refreshPage();
    void updateBar();

    CFolioDoc& document_;
    QString path_; // of the document the choice belongs to
    CFolioView& view_;
    MergeDataChoice choice_;
    BatchPrintChoice printChoice_;
    int records_ = 0;
    int record_ = 0;
    std::unique_ptr<MergeRun> shown_;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* barSeparator_ = nullptr;
    QAction* labelAction_ = nullptr;
    QLabel* label_ = nullptr;
};

} // namespace quillset
