#pragma once

#include "document/SharedScript.h"
#include "model/KeptLines.h"
#include "model/PrinterType.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace quillset {

class ObjectList;
class PageRaster;
class PageRenderer;
class Reporter;
struct PageObject;
struct PageSettings;

// One open document with its page: the script text, the object list and the
// renderer that draws it. The GUI and the command-line tool both work through
// this class, so that Compile, Open, Save and Print behave the same in both.
//
// The script is UTF-8, as the script pane shows it. Page objects, script
// files and the printer hold code page 437; the conversions happen here.
class FolioSession {
public:
    // The page starts at the printer type's full width and the raster's full
    // height, cleared; the script and the list are empty.
    explicit FolioSession(int printerType = kDefaultPrinterType);
    ~FolioSession();
    FolioSession(const FolioSession&) = delete;
    FolioSession& operator=(const FolioSession&) = delete;

    // --- the document -------------------------------------------------------

    // The document's script (UTF-8). Save and Print use it as it stands.
    const std::string& script() const { return *script_; }
    // The same text, for keeping it (the edit history) without a copy.
    const SharedScript& sharedScript() const { return script_; }
    // Replaces the script without compiling it (paste into the script pane).
    void setScript(std::string utf8);

    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // File > New: the script becomes empty, the list is compiled from it (so
    // the page turns blank) and rendered. Page settings keep their values.
    // Clears the modified flag.
    void newDocument();

    // File > Open. Reads a script file (code page 437): drops the printer's
    // wrapper lines, applies SetMargin and SetPageSize (clamped into the
    // raster), compiles the rest, regenerates the script from the objects and
    // renders; then, as the page view does when it shows a document, compiles
    // the regenerated script once more and renders. Messages go to
    // `reporter`: "Failed to open a file for read." (returns false, nothing
    // changed), then the long-line warning and the kept-lines warning (still
    // opens), each at most once. Clears the modified flag on success.
    bool open(const std::string& path, Reporter& reporter);
    // The same on a file's bytes already read (standard input, tests).
    void openBytes(std::string_view fileBytes, Reporter& reporter);
    // Takes over the document `opened` has opened (the script, the objects,
    // the kept lines and the page settings, not copied) and renders it, as
    // if this session had opened the file. `opened` is left empty.
    void adopt(FolioSession& opened);

    // File > Save: writes the page stream to `path` in code page 437 with
    // CR LF line ends. The file is replaced only once everything has been
    // written; on failure the old file stays as it was and `reporter` gets
    // "Failed to open a file for write." or "Failed to write the file.".
    // Clears the modified flag on success.
    bool save(const std::string& path, Reporter& reporter);
    // The bytes Save writes, for callers that write files themselves.
    std::string fileBytes() const;

    // The bytes Print sends to the printer: page header, script, trailer in
    // code page 437, with the script's own line ends.
    std::string printStream() const;

    // --- the page -----------------------------------------------------------

    // Compile (F5): `paneText` becomes the script; a code page 437 copy of it
    // is read into the object list line by line and the page is rendered.
    // Lines past the 500th are kept apart (keptLines()), not drawn, and
    // `reporter` is told so once. The script is not regenerated. Sets the
    // modified flag.
    void compile(std::string_view paneText, Reporter& reporter);
    // The same where there is no user to tell (the printer's own reading of
    // a stream); the lines past the 500th are kept all the same.
    void compile(std::string_view paneText);
    // The same on a script that is kept as it is, not copied: the session's
    // own (a read-only pane) or a state of the edit history.
    void compile(SharedScript script, Reporter& reporter);
    void compile(SharedScript script);

    // Writes the script again from the object list (after a graphical edit).
    void regenerate();
    // Redraws the whole page from the object list.
    void render();
    // How every graphical edit ends: regenerate, render, mark modified.
    void editFinished();

    // Sets a text or barcode object's bounding box from its content, origin
    // and angle, as Compile does, and a picture's from its dots at x, y.
    // Other kinds are left alone.
    void updateBounds(PageObject& object);

    ObjectList& objects() { return *objects_; }
    const ObjectList& objects() const { return *objects_; }
    // The script's lines past the 500th: not drawn, written back after the
    // objects by every regeneration.
    const KeptLines& keptLines() const { return kept_; }

    // Margins and page size. After changing them call render() (Page Setup:
    // normalise, then editFinished()).
    PageSettings& settings();
    const PageSettings& settings() const;

    PageRenderer& renderer() { return *renderer_; }
    const PageRaster& raster() const;

    // 2, 3 or 4; anything else counts as 2. Changing it does not change the
    // page: Page Setup sets the width itself.
    int printerType() const { return printerType_; }
    void setPrinterType(int type) { printerType_ = normalisedPrinterType(type); }

private:
    void compileScript();
    void reportKeptLines(Reporter& reporter) const;

    int printerType_;
    std::unique_ptr<PageRenderer> renderer_;
    std::unique_ptr<ObjectList> objects_;
    KeptLines kept_;
    SharedScript script_;
    bool modified_ = false;
};

} // namespace quillset
