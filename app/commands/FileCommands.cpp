#include "app/commands/FileCommands.h"

#include "app/commands/BackgroundOpen.h"
#include "app/dialogs/MessageBoxReporter.h"
#include "app/shell/CFolioApp.h"
#include "app/shell/CFolioDoc.h"
#include "app/shell/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace quillset {

namespace {

const QString kFileFilter = QStringLiteral("Text file (*.txt)");

} // namespace

FileCommands::FileCommands(CFolioDoc& document, RecentFileList& recentFiles, QWidget& window)
    : QObject(&window)
    , document_(document)
    , recentFiles_(recentFiles)
    , window_(window) {}

void FileCommands::showRecentFilesIn(QMenu& menu, QAction* before) {
    menu_ = &menu;
    recentEnd_ = menu.insertSeparator(before);
    updateRecentFiles();
}

bool FileCommands::openDocument(const QString& path) {
    std::optional<OpenedFile> opened = openInBackground(path, document_.session(), &window_);
    if (!opened)
        return true;
    MessageBoxReporter reporter(&window_);
    for (const std::string& message : opened->messages)
        reporter.report(message);
    if (!opened->session)
        return false;
    document_.adoptOpened(*opened->session, path);
    recentFiles_.add(document_.pathName());
    updateRecentFiles();
    return true;
}

bool FileCommands::saveDocument(const QString& path) {
    MessageBoxReporter reporter(&window_);
    if (!document_.saveDocument(path, reporter))
        return false;
    recentFiles_.add(document_.pathName());
    updateRecentFiles();
    return true;
}

bool FileCommands::exportImage(const QString& path) {
    MessageBoxReporter reporter(&window_);
    return document_.exportImage(path, reporter);
}

bool FileCommands::saveModified() {
    if (!document_.isModified())
        return true;
    const auto answer = QMessageBox::question(
        &window_, QString::fromLatin1(CFolioApp::kTitle),
        QStringLiteral("Save changes to %1?").arg(document_.title()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return fileSave();
    return answer == QMessageBox::No;
}

void FileCommands::fileNew() {
    if (saveModified())
        document_.newDocument();
}

void FileCommands::fileOpen() {
    if (!saveModified())
        return;
    const QString path = QFileDialog::getOpenFileName(
        &window_, QStringLiteral("Open"), QFileInfo(document_.pathName()).path(),
        kFileFilter + QStringLiteral(";;All Files (*)"));
    if (!path.isEmpty())
        openDocument(path);
}

bool FileCommands::fileSave() {
    if (document_.pathName().isEmpty())
        return fileSaveAs();
    return saveDocument(document_.pathName());
}

bool FileCommands::fileSaveAs() {
    const QString proposed = document_.pathName().isEmpty()
                                 ? document_.title() + QStringLiteral(".txt")
                                 : document_.pathName();
    QFileDialog dialog(&window_, QStringLiteral("Save As"), proposed, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveDocument(dialog.selectedFiles().constFirst());
}

void FileCommands::fileExportImage() {
    const QString script =
        document_.pathName().isEmpty() ? document_.title() : document_.pathName();
    const QFileInfo info(script);
    const QString proposed = info.dir().filePath(info.completeBaseName() + QStringLiteral(".png"));
    QFileDialog dialog(&window_, QStringLiteral("Export Image"), proposed,
                       QStringLiteral("PNG image (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportImage(dialog.selectedFiles().constFirst());
}

void FileCommands::updateRecentFiles() {
    if (!menu_)
        return;
    // One of these may be the action being triggered right now.
    for (QAction* action : recentActions_) {
        menu_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();

    const QStringList& files = recentFiles_.files();
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
    menu_->insertActions(recentEnd_, recentActions_);
}

void FileCommands::openRecentFile(const QString& path) {
    if (!saveModified())
        return;
    if (!openDocument(path)) {
        recentFiles_.remove(path);
        updateRecentFiles();
    }
}

} // namespace quillset
