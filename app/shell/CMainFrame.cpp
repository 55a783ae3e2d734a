#include "app/shell/CMainFrame.h"

#include "app/commands/BackgroundOpen.h"
#include "app/commands/BatchPrinting.h"
#include "app/commands/MergeData.h"
#include "app/commands/PagePrinting.h"
#include "app/dialogs/CAboutDlg.h"
#include "app/dialogs/CPageSetupDlg.h"
#include "app/dialogs/CSerialPortDlg.h"
#include "app/dialogs/MessageBoxReporter.h"
#include "app/pageview/CFolioView.h"
#include "app/pageview/ToolActions.h"
#include "app/pageview/ZoomActions.h"
#include "app/scriptpane/CCodeView.h"
#include "app/scriptpane/ScriptDiagnostics.h"
#include "app/scriptpane/ScriptHighlighter.h"
#include "app/shell/CFolioApp.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/HelpWindow.h"
#include "app/shell/LockKeyIndicators.h"
#include "app/shell/Recovery.h"
#include "model/PageSettings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace quillset {

namespace {

const QString kFileFilter = QStringLiteral("Text file (*.txt)");

// The page view drops its drawing tool on this key; the script pane posts it
// when it takes the focus.
constexpr Qt::Key kDropToolKey = Qt::Key_F15;

QAction* makeAction(QObject* parent, const QString& text, const QString& statusTip,
                    const QList<QKeySequence>& shortcuts = {}) {
    auto* action = new QAction(text, parent);
    action->setStatusTip(statusTip);
    action->setShortcuts(shortcuts);
    return action;
}

} // namespace

CMainFrame::CMainFrame(CFolioApp& app, QWidget* parent)
    : QMainWindow(parent)
    , app_(app)
    , document_(new CFolioDoc(app.printerType(), this)) {
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createPanes();
    connect(document_, &CFolioDoc::changed, this, &CMainFrame::documentChanged);
    documentChanged(CFolioDoc::Change::Title | CFolioDoc::Change::History);
    updateRecentFiles();
    resize(880, 720);
    folioView_->setFocus();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createActions() {
    newAction_ = makeAction(this, QStringLiteral("&New"), QStringLiteral("Start a new page"),
                            {QKeySequence(Qt::CTRL | Qt::Key_N)});
    connect(newAction_, &QAction::triggered, this, &CMainFrame::fileNew);
    openAction_ = makeAction(this, QStringLiteral("&Open..."), QStringLiteral("Open a script file"),
                             {QKeySequence(Qt::CTRL | Qt::Key_O)});
    connect(openAction_, &QAction::triggered, this, &CMainFrame::fileOpen);
    saveAction_ =
        makeAction(this, QStringLiteral("&Save"), QStringLiteral("Save the page to its file"),
                   {QKeySequence(Qt::CTRL | Qt::Key_S)});
    connect(saveAction_, &QAction::triggered, this, &CMainFrame::fileSave);
    saveAsAction_ = makeAction(this, QStringLiteral("Save &As..."),
                               QStringLiteral("Save the page to a new file"));
    connect(saveAsAction_, &QAction::triggered, this, &CMainFrame::fileSaveAs);
    exportAction_ = makeAction(this, QStringLiteral("&Export Image..."),
                               QStringLiteral("Save the page as a picture, one pixel per dot"));
    connect(exportAction_, &QAction::triggered, this, &CMainFrame::fileExportImage);
    undoAction_ = makeAction(this, QStringLiteral("&Undo"),
                             QStringLiteral("Take back the last change of the page"),
                             {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    connect(undoAction_, &QAction::triggered, this, &CMainFrame::editUndo);
    redoAction_ = makeAction(
        this, QStringLiteral("&Redo"), QStringLiteral("Make the change taken back again"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redoAction_, &QAction::triggered, this, &CMainFrame::editRedo);
    printAction_ = makeAction(this, QStringLiteral("&Print"),
                              QStringLiteral("Send the page to the label printer"));
    connect(printAction_, &QAction::triggered, this, &CMainFrame::filePrint);
    mergeDataAction_ = makeAction(this, QStringLiteral("&Merge Data..."),
                                  QStringLiteral("Fill the page's fields from a data file"));
    connect(mergeDataAction_, &QAction::triggered, this, [this] { mergeData_->choose(this); });
    exitAction_ = makeAction(this, QStringLiteral("E&xit"),
                             QStringLiteral("Quit Quillset; asks to save a changed page"));
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    printerAction_ = makeAction(this, QStringLiteral("P&rinter..."),
                                QStringLiteral("Choose the printer's connection and language"));
    connect(printerAction_, &QAction::triggered, this,
            [this] { PagePrinting::configure(app_.printer(), app_.serialPort(), this); });
    serialPortAction_ = makeAction(this, QStringLiteral("&Serial Port"),
                                   QStringLiteral("Set Baud Rate and Com Port"));
    connect(serialPortAction_, &QAction::triggered, this, &CMainFrame::serialPortSettings);
    pageSetupAction_ = makeAction(this, QStringLiteral("Page Setup..."),
                                  QStringLiteral("Set Margin and Paper Size"));
    connect(pageSetupAction_, &QAction::triggered, this, &CMainFrame::pageSetup);

    toolBarAction_ =
        makeAction(this, QStringLiteral("&Toolbar"), QStringLiteral("Show or hide the toolbar"));
    toolBarAction_->setCheckable(true);
    toolBarAction_->setChecked(true);
    statusBarAction_ = makeAction(this, QStringLiteral("&Status Bar"),
                                  QStringLiteral("Show or hide the status bar"));
    statusBarAction_->setCheckable(true);
    statusBarAction_->setChecked(true);
    connect(statusBarAction_, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    gridAction_ = makeAction(this, QStringLiteral("&Grid"), QStringLiteral("Turn on/off grid"));
    gridAction_->setToolTip(QStringLiteral("Grid"));
    gridAction_->setIcon(QIcon(QStringLiteral(":/icons/grid.png")));
    gridAction_->setCheckable(true);
    connect(gridAction_, &QAction::toggled, this, [this](bool on) { folioView_->setGridOn(on); });

    compileAction_ = makeAction(this, QStringLiteral("Compile"),
                                QStringLiteral("Compiles source code into editable objects."),
                                {QKeySequence(Qt::Key_F5)});
    compileAction_->setObjectName(QStringLiteral("compile"));
    compileAction_->setToolTip(QStringLiteral("Compile (F5)"));
    compileAction_->setIcon(QIcon(QStringLiteral(":/icons/compile.png")));
    connect(compileAction_, &QAction::triggered, this, &CMainFrame::compile);

    topicsAction_ =
        makeAction(this, QStringLiteral("&Topics"), QStringLiteral("Open the user's guide"));
    connect(topicsAction_, &QAction::triggered, this, &CMainFrame::helpTopics);
    aboutAction_ = makeAction(this, QStringLiteral("&About Quillset..."),
                              QStringLiteral("Show the program's version and build date"));
    aboutAction_->setToolTip(QStringLiteral("About"));
    aboutAction_->setIcon(QIcon(QStringLiteral(":/icons/about.png")));
    connect(aboutAction_, &QAction::triggered, this, &CMainFrame::about);

    toolActions_ = new ToolActions(this);
    zoomActions_ = new ZoomActions(this);

    // Keys without a menu item. The clipboard commands reach the script pane
    // after the key has been handled, whichever pane has the focus.
    const auto toScriptPane = [this](void (QPlainTextEdit::*command)()) {
        return [this, command] {
            QMetaObject::invokeMethod(codeView_, command, Qt::QueuedConnection);
        };
    };
    auto* cut =
        makeAction(this, QStringLiteral("Cut"), QString(),
                   {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    connect(cut, &QAction::triggered, this, toScriptPane(&QPlainTextEdit::cut));
    auto* copy =
        makeAction(this, QStringLiteral("Copy"), QString(),
                   {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    connect(copy, &QAction::triggered, this, toScriptPane(&QPlainTextEdit::copy));
    auto* paste =
        makeAction(this, QStringLiteral("Paste"), QString(),
                   {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    connect(paste, &QAction::triggered, this, toScriptPane(&QPlainTextEdit::paste));
    printPictureAction_ = makeAction(this, QStringLiteral("Print P&icture..."),
                                     QStringLiteral("Print the page picture on a desktop printer"),
                                     {QKeySequence(Qt::CTRL | Qt::Key_P)});
    connect(printPictureAction_, &QAction::triggered, this, &CMainFrame::printPicture);
    auto* nextPane = makeAction(this, QStringLiteral("Next Pane"), QString(),
                                {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)});
    connect(nextPane, &QAction::triggered, this, &CMainFrame::focusOtherPane);

    // Added to the window itself, the shortcuts work with the toolbar hidden.
    addActions({newAction_, openAction_, saveAction_, compileAction_, cut, copy, paste,
                printPictureAction_, nextPane});
}

void CMainFrame::createMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(newAction_);
    fileMenu_->addAction(openAction_);
    fileMenu_->addAction(saveAction_);
    fileMenu_->addAction(saveAsAction_);
    fileMenu_->addAction(exportAction_);
    fileMenu_->addSeparator();
    fileMenu_->addAction(mergeDataAction_);
    fileMenu_->addAction(printAction_);
    fileMenu_->addAction(printPictureAction_);
    fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(exitAction_);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(undoAction_);
    edit->addAction(redoAction_);

    // The toolbar's tools, so that the keyboard reaches them too.
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addActions(toolActions_->actions());

    QMenu* configure = menuBar()->addMenu(QStringLiteral("&Configure"));
    configure->addAction(printerAction_);
    configure->addAction(serialPortAction_);
    configure->addAction(pageSetupAction_);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(toolBarAction_);
    view->addAction(statusBarAction_);
    view->addSeparator();
    view->addAction(gridAction_);
    view->addSeparator();
    view->addActions(zoomActions_->actions());

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(topicsAction_);
    help->addAction(aboutAction_);
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->addAction(gridAction_);
    toolBar_->addSeparator();
    for (QAction* tool : toolActions_->actions()) {
        if (tool == toolActions_->action(Tool::Move))
            toolBar_->addSeparator();
        toolBar_->addAction(tool);
    }
    toolBar_->addAction(compileAction_);
    toolBar_->addSeparator();
    toolBar_->addAction(aboutAction_);
    // Screen readers and test drivers find each button by its tooltip.
    for (QAction* action : toolBar_->actions())
        if (QWidget* button = toolBar_->widgetForAction(action); button && !action->isSeparator())
            button->setAccessibleName(action->toolTip());
    connect(toolBarAction_, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, toolBarAction_, [this](bool visible) {
        if (!isHidden())
            toolBarAction_->setChecked(visible);
    });
}

void CMainFrame::createStatusBar() {
    // Hidden by the command texts while they are shown.
    statusBar()->addWidget(new QLabel(QStringLiteral("Ready")), 1);
    statusBar()->setAccessibleName(QStringLiteral("Status bar"));
    // No name of its own: screen readers read its text.
    pointerPosition_ = new QLabel(statusBar());
    pointerPosition_->setAccessibleDescription(QStringLiteral("Pointer position"));
    pointerPosition_->setMinimumWidth(
        pointerPosition_->fontMetrics().horizontalAdvance(QStringLiteral("x -00000, y -00000")));
    statusBar()->addPermanentWidget(pointerPosition_);
    if (LockKeyIndicators::available())
        new LockKeyIndicators(*statusBar());
}

void CMainFrame::createPanes() {
    splitter_ = new QSplitter(Qt::Vertical, this);
    folioView_ = new CFolioView(*document_, splitter_);
    codeView_ = new CCodeView(*document_, splitter_);
    recovery_ = new Recovery(*document_, *codeView_, this);
    new ScriptHighlighter(codeView_->document());
    new ScriptDiagnostics(*codeView_, *statusBar());
    splitter_->addWidget(folioView_);
    splitter_->addWidget(codeView_);
    splitter_->setSizes({400, 200});
    setCentralWidget(splitter_);

    connect(document_, &CFolioDoc::warning, this, [this](const QString& message) {
        MessageBoxReporter(this).report(message.toStdString());
    });
    connect(codeView_, &CCodeView::focusEntered, this, [this] {
        QCoreApplication::postEvent(folioView_,
                                    new QKeyEvent(QEvent::KeyPress, kDropToolKey, Qt::NoModifier));
    });

    connect(toolActions_, &ToolActions::toolChosen, folioView_, &CFolioView::chooseTool);
    connect(folioView_, &CFolioView::toolsChanged, this,
            [this] { toolActions_->showTools(folioView_->editor().tools()); });
    connect(this, &CMainFrame::pageSetupApplied, folioView_, &CFolioView::clearTools);
    connect(folioView_, &CFolioView::statusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(folioView_, &CFolioView::pointerAt, pointerPosition_, [this](QPoint page) {
        pointerPosition_->setText(QStringLiteral("x %1, y %2").arg(page.x()).arg(page.y()));
    });
    connect(folioView_, &CFolioView::pointerLeft, pointerPosition_, &QLabel::clear);
    zoomActions_->attach(*folioView_, *statusBar());
    mergeData_ = new MergeData(*document_, *folioView_, this);
    mergeData_->addTo(*toolBar_);
}

void CMainFrame::compile() {
    if (codeView_->showsLongScript())
        document_->compileScript();
    else
        document_->compile(codeView_->compileText());
}

bool CMainFrame::openDocument(const QString& path) {
    std::optional<OpenedFile> opened = openInBackground(path, document_->session(), this);
    if (!opened)
        return true;
    MessageBoxReporter reporter(this);
    for (const std::string& message : opened->messages)
        reporter.report(message);
    if (!opened->session)
        return false;
    document_->adoptOpened(*opened->session, path);
    app_.recentFiles().add(document_->pathName());
    updateRecentFiles();
    return true;
}

bool CMainFrame::saveDocument(const QString& path) {
    MessageBoxReporter reporter(this);
    if (!document_->saveDocument(path, reporter))
        return false;
    app_.recentFiles().add(document_->pathName());
    updateRecentFiles();
    return true;
}

bool CMainFrame::saveModified() {
    if (!document_->isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, QString::fromLatin1(CFolioApp::kTitle),
        QStringLiteral("Save changes to %1?").arg(document_->title()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return fileSave();
    return answer == QMessageBox::No;
}

void CMainFrame::fileNew() {
    if (saveModified())
        document_->newDocument();
}

void CMainFrame::fileOpen() {
    if (!saveModified())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open"), QFileInfo(document_->pathName()).path(),
        kFileFilter + QStringLiteral(";;All Files (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

bool CMainFrame::fileSave() {
    if (document_->pathName().isEmpty())
        return fileSaveAs();
    return saveDocument(document_->pathName());
}

bool CMainFrame::fileSaveAs() {
    const QString proposed = document_->pathName().isEmpty()
                                 ? document_->title() + QStringLiteral(".txt")
                                 : document_->pathName();
    QFileDialog dialog(this, QStringLiteral("Save As"), proposed, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveDocument(dialog.selectedFiles().constFirst());
}

void CMainFrame::fileExportImage() {
    const QString script =
        document_->pathName().isEmpty() ? document_->title() : document_->pathName();
    const QFileInfo info(script);
    const QString proposed = info.dir().filePath(info.completeBaseName() + QStringLiteral(".png"));
    QFileDialog dialog(this, QStringLiteral("Export Image"), proposed,
                       QStringLiteral("PNG image (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportImage(dialog.selectedFiles().constFirst());
}

void CMainFrame::editUndo() {
    document_->undo();
    app_.setPrinterType(document_->session().printerType());
}

void CMainFrame::editRedo() {
    document_->redo();
    app_.setPrinterType(document_->session().printerType());
}

bool CMainFrame::exportImage(const QString& path) {
    MessageBoxReporter reporter(this);
    return document_->exportImage(path, reporter);
}

void CMainFrame::filePrint() {
    const FolioSession& session = document_->upToDate();
    if (mergeData_->merges())
        BatchPrinting::print(session, *mergeData_, app_.printer(), app_.serialPort(), this);
    else
        PagePrinting::print(session, app_.printer(), app_.serialPort(), this);
}

void CMainFrame::printPicture() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document_->title());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        folioView_->printPage(printer);
}

void CMainFrame::serialPortSettings() {
    CSerialPortDlg dialog(app_.serialPort(), this);
    dialog.exec();
}

void CMainFrame::pageSetup() {
    FolioSession& session = document_->upToDate();
    CPageSetupDlg dialog(pageSetupFieldsOf(session.settings(), app_.printerType()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PageSettings page = session.settings();
    const int printerType = applyPageSetupFields(page, dialog.fields());
    app_.setPrinterType(printerType);
    document_->setPageSettings(page, printerType);
    emit pageSetupApplied();
    if (const auto note = objectsOutsidePageNote(session.objects(), session.settings()))
        QMessageBox::information(this, QString::fromLatin1(CFolioApp::kTitle),
                                 QString::fromStdString(*note));
}

void CMainFrame::helpTopics() {
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void CMainFrame::about() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (saveModified())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::documentChanged(CFolioDoc::Changes what) {
    if (what & CFolioDoc::Change::Title)
        setWindowTitle(document_->title() + QStringLiteral("[*] - ") +
                       QString::fromLatin1(CFolioApp::kWindowTitle));
    if (what & CFolioDoc::Change::Modified)
        setWindowModified(document_->isModified());
    if (what & CFolioDoc::Change::History) {
        undoAction_->setEnabled(document_->canUndo());
        redoAction_->setEnabled(document_->canRedo());
    }
}

void CMainFrame::updateRecentFiles() {
    // One of these may be the action being triggered right now.
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();

    const QStringList& files = app_.recentFiles().files();
    if (files.isEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("Recent File"), this);
        placeholder->setEnabled(false);
        recentActions_.append(placeholder);
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files.at(i);
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
        action->setStatusTip(QStringLiteral("Open this file"));
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        recentActions_.append(action);
    }
    fileMenu_->insertActions(exitSeparator_, recentActions_);
}

void CMainFrame::openRecentFile(const QString& path) {
    if (!saveModified())
        return;
    if (!openDocument(path)) {
        app_.recentFiles().remove(path);
        updateRecentFiles();
    }
}

void CMainFrame::focusOtherPane() {
    if (codeView_->hasFocus())
        folioView_->setFocus(Qt::OtherFocusReason);
    else
        codeView_->setFocus(Qt::OtherFocusReason);
}

} // namespace quillset
