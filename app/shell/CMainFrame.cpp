#include "app/shell/CMainFrame.h"

#include "app/commands/BatchPrinting.h"
#include "app/commands/FileCommands.h"
#include "app/commands/LabelsOverview.h"
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
#include "app/shell/HelpWindow.h"
#include "app/shell/LockKeyIndicators.h"
#include "app/shell/MainActions.h"
#include "app/shell/Recovery.h"
#include "model/PageSettings.h"
#include "printer/SerialSettings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <functional>
#include <utility>

namespace quillset {

namespace {

// The page view drops its drawing tool on this key; the script pane posts it
// when it takes the focus.
constexpr Qt::Key kDropToolKey = Qt::Key_F15;

const QString kWindowKey = QStringLiteral("View/WINDOW");
// Page Setup's unit by name: "in", "mm" or "dots".
const QString kPageUnitKey = QStringLiteral("PageSetup/UNIT");

// Tall enough that a 4-inch label fits whole on a 1080-pixel-high screen.
QSize firstStartSize(const QScreen* screen) {
    const int room = screen ? screen->availableGeometry().height() : 0;
    return {880, std::max(720, room * 9 / 10)};
}

} // namespace

CMainFrame::CMainFrame(CFolioApp& app, QWidget* parent)
    : QMainWindow(parent)
    , app_(app)
    , document_(new CFolioDoc(app.printerType(), this))
    , actions_(new MainActions(*this))
    , toolActions_(new ToolActions(this))
    , zoomActions_(new ZoomActions(this))
    , fileCommands_(new FileCommands(*document_, app.recentFiles(), *this)) {
    // The toolbar's tools are in the menus too, so that the keyboard reaches
    // them.
    QMenu* fileMenu =
        actions_->fillMenuBar(*menuBar(), toolActions_->actions(), zoomActions_->actions());
    fileCommands_->showRecentFilesIn(*fileMenu, actions_->action(Command::Exit));
    createToolBar();
    createStatusBar();
    createPanes();
    connectActions();
    connect(document_, &CFolioDoc::changed, this, &CMainFrame::documentChanged);
    documentChanged(CFolioDoc::Change::Title | CFolioDoc::Change::History);
    const QByteArray kept =
        QSettings(kSettingsOrganisation, kSettingsApplication).value(kWindowKey).toByteArray();
    if (kept.isEmpty() || !restoreGeometry(kept))
        resize(firstStartSize(screen()));
    folioView_->setFocus();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::connectActions() {
    FileCommands* files = fileCommands_;
    // The clipboard commands reach the script pane after the key has been
    // handled, whichever pane has the focus.
    const auto toScriptPane = [this](void (QPlainTextEdit::*command)()) {
        return [this, command] {
            QMetaObject::invokeMethod(codeView_, command, Qt::QueuedConnection);
        };
    };
    const std::pair<Command, std::function<void()>> commands[] = {
        {Command::New, [files] { files->fileNew(); }},
        {Command::Open, [files] { files->fileOpen(); }},
        {Command::Save, [files] { files->fileSave(); }},
        {Command::SaveAs, [files] { files->fileSaveAs(); }},
        {Command::ExportImage, [files] { files->fileExportImage(); }},
        {Command::MergeData, [this] { mergeData_->choose(this); }},
        {Command::Print, [this] { filePrint(); }},
        {Command::PrintPicture, [this] { printPicture(); }},
        {Command::Exit, [this] { close(); }},
        {Command::Undo, [this] { editUndo(); }},
        {Command::Redo, [this] { editRedo(); }},
        {Command::Printer,
         [this] { PagePrinting::configure(app_.printer(), app_.serialPort(), this); }},
        {Command::SerialPort, [this] { serialPortSettings(); }},
        {Command::PageSetup, [this] { pageSetup(); }},
        {Command::Compile, [this] { compile(); }},
        {Command::Topics, [this] { helpTopics(); }},
        {Command::About, [this] { about(); }},
        {Command::Cut, toScriptPane(&QPlainTextEdit::cut)},
        {Command::Copy, toScriptPane(&QPlainTextEdit::copy)},
        {Command::Paste, toScriptPane(&QPlainTextEdit::paste)},
        {Command::NextPane, [this] { focusOtherPane(); }},
    };
    for (const auto& [command, run] : commands)
        connect(actions_->action(command), &QAction::triggered, this, run);
    connect(actions_->action(Command::StatusBar), &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    connect(actions_->action(Command::Grid), &QAction::toggled, this,
            [this](bool on) { folioView_->setGridOn(on); });
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->addAction(actions_->action(Command::Grid));
    toolBar_->addSeparator();
    for (QAction* tool : toolActions_->actions()) {
        if (tool == toolActions_->action(Tool::Move))
            toolBar_->addSeparator();
        toolBar_->addAction(tool);
    }
    toolBar_->addAction(actions_->action(Command::Compile));
    toolBar_->addSeparator();
    toolBar_->addAction(actions_->action(Command::About));
    // Screen readers and test drivers find each button by its tooltip.
    for (QAction* action : toolBar_->actions())
        if (QWidget* button = toolBar_->widgetForAction(action); button && !action->isSeparator())
            button->setAccessibleName(action->toolTip());
    QAction* shown = actions_->action(Command::ToolBar);
    connect(shown, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(toolBar_, &QToolBar::visibilityChanged, shown, [this, shown](bool visible) {
        if (!isHidden())
            shown->setChecked(visible);
    });
}

void CMainFrame::createStatusBar() {
    statusBar()->setAccessibleName(QStringLiteral("Status bar"));
    // The bar paints its messages where no accessibility layer sees them; a
    // label of its own that shows each one is read, and the painted text
    // finds no room beside it. No name of its own: screen readers read its
    // text.
    auto* message = new QLabel(QStringLiteral("Ready"), statusBar());
    message->setAccessibleDescription(QStringLiteral("Status message"));
    message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addPermanentWidget(message, 1);
    connect(statusBar(), &QStatusBar::messageChanged, message, [message](const QString& text) {
        message->setText(text.isEmpty() ? QStringLiteral("Ready") : text);
    });
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
    new ScriptDiagnostics(*codeView_, *statusBar(), *document_);
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
    // The record bar has a row of its own, so that a record's problem in
    // words has room at any width of the window.
    addToolBarBreak();
    QToolBar* records = addToolBar(QStringLiteral("Records"));
    records->setObjectName(QStringLiteral("recordBar"));
    records->setIconSize(toolBar_->iconSize());
    mergeData_->addTo(*records);
    auto* labels = new LabelsOverview(*document_, *mergeData_, this);
    addDockWidget(Qt::LeftDockWidgetArea, labels);
    labels->hide();
    QAction* showLabels = labels->toggleViewAction();
    showLabels->setStatusTip(QStringLiteral("Show every record's label at a glance"));
    for (QAction* menu : menuBar()->actions())
        if (menu->text() == QStringLiteral("&View"))
            menu->menu()->addAction(showLabels);
}

void CMainFrame::compile() {
    if (codeView_->showsLongScript())
        document_->compileScript();
    else
        document_->compile(codeView_->compileText());
}

void CMainFrame::editUndo() {
    document_->undo();
    app_.setPrinterType(document_->session().printerType());
}

void CMainFrame::editRedo() {
    document_->redo();
    app_.setPrinterType(document_->session().printerType());
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
    QSettings kept(kSettingsOrganisation, kSettingsApplication);
    const LengthUnit unit = unitNamed(kept.value(kPageUnitKey).toString().toStdString());
    // The type the page needs, not the one last printed on: a 4 inch file
    // opens on the 4 inch type.
    CPageSetupDlg dialog(
        pageSetupFieldsOf(session.settings(), printerTypeOfPage(session.settings())), unit, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    kept.setValue(kPageUnitKey,
                  QString::fromLatin1(unitName(dialog.unit()).data(),
                                      static_cast<int>(unitName(dialog.unit()).size())));
    if (!accepted)
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
    if (!fileCommands_->saveModified()) {
        event->ignore();
        return;
    }
    QSettings(kSettingsOrganisation, kSettingsApplication).setValue(kWindowKey, saveGeometry());
    event->accept();
}

void CMainFrame::documentChanged(CFolioDoc::Changes what) {
    if (what & CFolioDoc::Change::Title)
        setWindowTitle(document_->title() + QStringLiteral("[*] - ") +
                       QString::fromLatin1(CFolioApp::kWindowTitle));
    if (what & CFolioDoc::Change::Modified)
        setWindowModified(document_->isModified());
    if (what & CFolioDoc::Change::History) {
        actions_->action(Command::Undo)->setEnabled(document_->canUndo());
        actions_->action(Command::Redo)->setEnabled(document_->canRedo());
    }
}

void CMainFrame::focusOtherPane() {
    if (codeView_->hasFocus())
        folioView_->setFocus(Qt::OtherFocusReason);
    else
        codeView_->setFocus(Qt::OtherFocusReason);
}

} // namespace quillset
