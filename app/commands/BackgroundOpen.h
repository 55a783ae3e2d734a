#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace quillset {

class FolioSession;

// A file opened apart from the document: the session it was opened into,
// none when the file could not be read, and what Open had to tell the user,
// in order.
struct OpenedFile {
    std::unique_ptr<FolioSession> session;
    std::vector<std::string> messages;
};

// File > Open of a file of any size: it is read and compiled on a worker
// thread into a session of its own, starting from the page settings and
// printer type of `current`, while the window goes on painting. Input to the
// window waits meanwhile; if it takes longer than a moment, a dialog names
// the file being opened, with Cancel. Nothing when the user cancelled: the
// document stays as it was, and the worker's result is dropped when it ends.
std::optional<OpenedFile> openInBackground(const QString& path, const FolioSession& current,
                                           QWidget* parent);

} // namespace quillset
