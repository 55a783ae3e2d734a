#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace quillset {

class CFolioDoc;
class RecentFileList;

// File > New, Open..., the recent files, Save, Save As... and Export
// Image..., and the question whether to save a changed page first. Each
// tells the user of a failure in a message box over `window`.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(CFolioDoc& document, RecentFileList& recentFiles, QWidget& window);

    // The recent files go into `menu` before `before`, with a line after
    // them, and follow every Open and Save.
    void showRecentFilesIn(QMenu& menu, QAction* before);

    // The commands without their dialogs. Both return false on a failure.
    // An open the user cancels changes nothing and is no failure.
    bool openDocument(const QString& path);
    bool saveDocument(const QString& path);
    // File > Export Image without its dialog: the page as a PNG picture,
    // life-size.
    bool exportImage(const QString& path);

    // Asks whether to save a modified document; false when the user cancels
    // or the save fails, so that the caller stops.
    bool saveModified();

    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void fileExportImage();

private:
    void updateRecentFiles();
    void openRecentFile(const QString& path);

    CFolioDoc& document_;
    RecentFileList& recentFiles_;
    QWidget& window_;
    QMenu* menu_ = nullptr;
    QAction* recentEnd_ = nullptr;
    QList<QAction*> recentActions_;
};

} // namespace quillset
