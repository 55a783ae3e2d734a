#pragma once

#include "app/shell/CFolioDoc.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QSplitter;

namespace quillset {

class CCodeView;
class CFolioApp;
class CFolioView;
class FileCommands;
class HelpWindow;
class MainActions;
class MergeData;
class Recovery;
class ToolActions;
class ZoomActions;

// The main window: menus, toolbar and status bar around two panes stacked
// in a splitter, the page view on top (row 0) and the script pane below
// (row 1). It owns the document and wires the actions to the commands. The
// clipboard commands always act on the script pane, never on page objects.
// Its size and place are kept from one run to the next ("View/WINDOW"); the
// first start takes most of the screen's height.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CFolioApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CFolioDoc& document() { return *document_; }
    QSplitter* splitter() const { return splitter_; }
    CFolioView* folioView() const { return folioView_; }
    CCodeView* codeView() const { return codeView_; }
    // New, Open, the recent files, Save, Save As and Export.
    FileCommands& fileCommands() { return *fileCommands_; }
    // The unsaved changes kept against a crash.
    Recovery& recovery() { return *recovery_; }
    // View > Zoom and the zoom kept from the last run.
    ZoomActions& zoomActions() { return *zoomActions_; }

    // Compile: the script pane's text becomes the script and the page.
    void compile();
    // Edit > Undo and Redo: whole steps; typing not yet compiled becomes a
    // step first, so nothing typed is lost.
    void editUndo();
    void editRedo();
    // File > Print: the page stream to the label printer.
    void filePrint();
    // Ctrl+P: the page picture through the host's printer system.
    void printPicture();
    void serialPortSettings();
    // Configure > Page Setup: printer type, margins and page size; on OK the
    // page is rebuilt and pageSetupApplied() follows.
    void pageSetup();
    void helpTopics();
    void about();

signals:
    // Page Setup was confirmed and the page rebuilt: the page view drops its
    // tool.
    void pageSetupApplied();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectActions();
    void createToolBar();
    void createStatusBar();
    void createPanes();
    void documentChanged(CFolioDoc::Changes what);
    void focusOtherPane();

    CFolioApp& app_;
    CFolioDoc* document_;
    MainActions* actions_;
    ToolActions* toolActions_;
    ZoomActions* zoomActions_;
    FileCommands* fileCommands_;
    QSplitter* splitter_ = nullptr;
    CFolioView* folioView_ = nullptr;
    CCodeView* codeView_ = nullptr;
    Recovery* recovery_ = nullptr;
    MergeData* mergeData_ = nullptr;
    QPointer<HelpWindow> helpWindow_;
    QLabel* pointerPosition_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

} // namespace quillset
