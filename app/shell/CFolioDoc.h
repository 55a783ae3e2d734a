#pragma once

#include "document/EditHistory.h"
#include "document/FolioSession.h"

#include <QObject>
#include <QString>

#include <optional>

namespace quillset {

class Reporter;
class TypedText;
struct PageSettings;

// The one document: the page's script with its objects and raster (held by
// the engine's FolioSession, which also holds the modified flag), the file
// it came from and the history. Every change to the page goes through it,
// and at the end of each operation it tells the views once what changed;
// the views ask it for what to show and never render themselves.
class CFolioDoc : public QObject {
    Q_OBJECT
public:
    enum class Change {
        // The script was replaced from outside the script pane (New, Open,
        // an edit, undo): the pane shows it again.
        Script = 0x01,
        // The object list was built afresh from a script (New, Open,
        // Compile, undo, redo): its indices name other objects now.
        List = 0x02,
        // The raster holds a new picture of the page.
        Page = 0x04,
        // A new, opened or recovered document: the views show its beginning.
        Opened = 0x08,
        // The file's path, and with it the title.
        Title = 0x10,
        Modified = 0x20,
        // A step was recorded, undone or redone, or the history began anew.
        History = 0x40,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    explicit CFolioDoc(int printerType, QObject* parent = nullptr);

    // Read access for the views; changes go through the verbs below.
    FolioSession& session() { return session_; }
    const FolioSession& session() const { return session_; }
    // The session once what was typed into the script pane is compiled:
    // what a command prints, sets up or edits is what the pane shows.
    FolioSession& upToDate();

    // Where typing waits before it becomes the script: the script pane. It
    // lives as long as the document, or tells it when it goes.
    void setTypedText(TypedText* typed) { typed_ = typed; }

    QString script() const;
    // The script pane's text after a paste; the page is not compiled.
    void setScript(const QString& script);

    bool isModified() const { return session_.modified(); }
    void markModified();
    // The user began to type into the script pane: the document is modified,
    // and Undo, which takes the typing back, is open.
    void typingStarted();

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
    // compile them; back at the saved state the document is unmodified. New
    // and Open start afresh.
    // Typing not yet compiled is a step Undo takes back.
    bool canUndo() const;
    bool canRedo() const { return history_.canRedo(); }
    void undo();
    void redo();

    // File > Export Image: the page as a PNG picture, one pixel per dot.
    // A failed write leaves an existing file as it was.
    bool exportImage(const QString& path, Reporter& reporter);

signals:
    // Once at the end of each operation that changed anything.
    void changed(CFolioDoc::Changes what);
    // A message for the user from an operation that went on anyway.
    void warning(const QString& message);

private:
    // Compiles what was typed, a step of its own.
    Changes compileTyped();
    Changes compileText(const QString& paneText);
    DocumentState state() const;
    Changes stepFinished(const DocumentState& before);
    Changes finishEdit(const DocumentState& before);
    void clearHistory();
    Changes restore(const DocumentState& state);
    Changes replaced(const QString& path);
    // Tells the views; the modified flag counts as changed when it is not
    // what it was when the operation began.
    void tell(Changes what, bool wasModified);

    FolioSession session_;
    EditHistory history_;
    QString pathName_;
    TypedText* typed_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CFolioDoc::Changes)

} // namespace quillset
