#pragma once

#include "model/FolioSession.h"

#include <QObject>
#include <QString>

namespace quillset {

class Reporter;
class SerialPort;

// The one document: the page's script with its objects and raster (held by
// the engine's FolioSession), the file it came from and the modified flag.
// The views ask it for what to show; it tells them when the script or the
// page has been replaced.
class CFolioDoc : public QObject {
    Q_OBJECT
public:
    explicit CFolioDoc(int printerType, QObject* parent = nullptr);

    FolioSession& session() { return session_; }
    const FolioSession& session() const { return session_; }

    QString script() const;
    // The script pane's text after a paste; the page is not compiled.
    void setScript(const QString& script);

    bool IsModified() const { return session_.modified(); }
    void SetModifiedFlag(bool modified = true);

    // The full path of the file, empty for a new document.
    const QString& pathName() const { return pathName_; }
    // "Untitled" or the file's name without its folder.
    QString title() const;

    bool OnNewDocument();
    // On failure the reporter has told the user and the document is unchanged.
    bool OnOpenDocument(const QString& path, Reporter& reporter);
    bool OnSaveDocument(const QString& path, Reporter& reporter);

    // Compile: `paneText` becomes the script and the page is rebuilt from it.
    void compile(const QString& paneText);

    // File > Print: the page stream goes to the label printer.
    void print(SerialPort& port, Reporter& reporter) const;

signals:
    // The script was replaced from outside the script pane (New, Open); the
    // pane shows it again.
    void scriptReplaced();
    // The raster holds a new picture of the page.
    void pageChanged();
    void titleChanged();

private:
    void setPathName(const QString& path);

    FolioSession session_;
    QString pathName_;
};

} // namespace quillset
