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
class HelpWindow;
class Recovery;
class MergeData;
class ToolActions;
class ZoomActions;

// The main window: menus, toolbar and status bar around two panes stacked
// in a splitter, the page view on top (row 0) and the script pane below
// (row 1). It owns the document, Compile and the file commands. The
// clipboard commands always act on the script pane, never on page objects.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CFolioApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CFolioDoc& document() { return *document_; }
    QSplitter* splitter() const { return splitter_; }
    CFolioView* folioView() const { return folioView_; }
    CCodeView* codeView() const { return codeView_; }
    // The unsaved changes kept against a crash.
    Recovery& recovery() { return *recovery_; }

    // Compile: the script pane's text becomes the script and the page.
    void compile();

    // The file commands without their dialogs. Both tell the user of a
    // failure and return false. An open the user cancels changes nothing
    // and is no failure.
    bool openDocument(const QString& path);
    bool saveDocument(const QString& path);

    // Asks whether to save a modified document; false when the user cancels
    // or the save fails, so that the caller stops.
    bool saveModified();

    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    // File > Export Image: the page as a PNG picture, life-size.
    void fileExportImage();
    // Edit > Undo and Redo: whole steps; typing not yet compiled becomes a
    // step first, so nothing typed is lost.
    void editUndo();
    void editRedo();
    bool exportImage(const QString& path);
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
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createPanes();
    void documentChanged(CFolioDoc::Changes what);
    void updateRecentFiles();
    void openRecentFile(const QString& path);
    void focusOtherPane();

    CFolioApp& app_;
    CFolioDoc* document_;
    QSplitter* splitter_ = nullptr;
    CFolioView* folioView_ = nullptr;
    CCodeView* codeView_ = nullptr;
    Recovery* recovery_ = nullptr;
    QPointer<HelpWindow> helpWindow_;

    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* printPictureAction_ = nullptr;
    QAction* mergeDataAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* printerAction_ = nullptr;
    QAction* serialPortAction_ = nullptr;
    QAction* pageSetupAction_ = nullptr;
    QAction* toolBarAction_ = nullptr;
    QAction* statusBarAction_ = nullptr;
    QAction* gridAction_ = nullptr;
    QAction* compileAction_ = nullptr;
    QAction* topicsAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    ToolActions* toolActions_ = nullptr;
    ZoomActions* zoomActions_ = nullptr;
    MergeData* mergeData_ = nullptr;
    QLabel* pointerPosition_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
};

} // namespace quillset
