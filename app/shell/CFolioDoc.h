#pragma once

#include "document/EditHistory.h"
#include "document/FolioSession.h"

#include <QObject>
#include <QString>

#include <optional>

namespace quillset {

class Reporter;
struct PageSettings;

// The one document: the page's script with its objects and raster (held by
// the engine's FolioSession), the file it came from and the modified flag.
// Every change to the page goes through it, and it tells the views once per
// change; the views ask it for what to show and never render themselves.
class CFolioDoc : public QObject {
    Q_OBJECT
public:
    explicit CFolioDoc(int printerType, QObject* parent = nullptr);

    // Read access for the views; changes go through the verbs below.
    FolioSession& session() { return session_; }
    const FolioSession& session() const { return session_; }

    QString script() const;
    // The script pane's text after a paste; the page is not compiled.
    void setScript(const QString& script);

    bool isModified() const { return session_.modified(); }
    void markModified();

    // The full path of the file, empty for a new document.
    const QString& pathName() const { return pathName_; }
    // "Untitled" or the file's name without its folder.
    QString title() const;

    void newDocument();
    // Open: the document takes over what `loaded` holds, the session that
    // read the file `path` (on a worker thread), and starts its history.
    void adoptOpened(FolioSession& loaded, const QString& path);
    // A recovered document: the page stream `fileBytes` opened as if from
    // the file `path` (empty for a new document), but modified, so that the
    // file on disk stays as it is until the user saves.
    void recover(std::string_view fileBytes, const QString& path);
    // Writes through links and keeps the file's permissions; a failed write
    // leaves the old file as it was.
    bool saveDocument(const QString& path, Reporter& reporter);

    // Compile: `paneText` becomes the script and the page is rebuilt from it.
    // What the user must hear of it (lines past the 500th) comes as warning().
    void compile(const QString& paneText);
    // Compile of the script as it stands, when the pane shows it read-only.
    // Nothing changes that undo could take back, so no step is recorded.
    void compileScript();

    // How every change to the objects ends (a graphical edit, z-order,
    // Properties): the script is written again from the objects, the page
    // rendered and the document marked modified.
    void editFinished();

    // Page Setup: the new margins and size, normalised, and the printer type
    // when given, then as editFinished().
    void setPageSettings(const PageSettings& page, std::optional<int> printerType = {});

    // Each Compile, edit and Page Setup is one step. Undo and redo restore
    // the script, the page settings and the printer type of a step and
    // compile them; back at
    // the saved state the document is unmodified. New and Open start afresh.
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    void undo();
    void redo();

    // File > Export Image: the page as a PNG picture, one pixel per dot.
    // A failed write leaves an existing file as it was.
    bool exportImage(const QString& path, Reporter& reporter) const;

signals:
    // The script was replaced from outside the script pane (New, Open, an
    // edit); the pane shows it again.
    void scriptReplaced();
    // The raster holds a new picture of the page.
    void pageChanged();
    // The object list was built afresh from a script (New, Open, Compile,
    // undo, redo): its indices name other objects now. Comes before
    // pageChanged().
    void listReplaced();
    // A new or opened document: the views show its beginning. Comes last.
    void opened();
    void titleChanged();
    void modifiedChanged(bool modified);
    // Undo or redo became possible or impossible.
    void historyChanged();
    // A message for the user from an operation that went on anyway.
    void warning(const QString& message);

private:
    void setModified(bool modified);
    DocumentState state() const;
    void stepFinished(const DocumentState& before);
    void finishEdit(const DocumentState& before);
    void historyCleared();
    void restore(const DocumentState& state);
    void setPathName(const QString& path);

    FolioSession session_;
    EditHistory history_;
    QString pathName_;
    // What the views were last told of the modified flag.
    bool modifiedShown_ = false;
};

} // namespace quillset
