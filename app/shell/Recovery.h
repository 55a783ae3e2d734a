#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QWidget;

namespace quillset {

class CCodeView;
class CFolioDoc;

// Keeps what a crash or a power cut would lose: while the document is
// modified, its script as the script pane shows it (typing included) and its
// page settings are in a recovery file under $XDG_STATE_HOME/quillset/
// (~/.local/state/quillset/ without it), written a moment after each step and
// at most every few seconds while the user types. Save, New, Open and a
// normal end remove it.
//
// Each running program has a file of its own, named after its process, and
// holds a lock beside it for as long as it runs: a file whose lock nobody
// holds was left behind by a program that is gone, and the next start offers
// it. Two programs never take each other's.
class Recovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kAfterStep = 500;    // milliseconds
    static constexpr int kWhileTyping = 3000; // milliseconds

    Recovery(CFolioDoc& document, CCodeView& scriptPane, QObject* parent);
    ~Recovery() override;

    // $XDG_STATE_HOME/quillset, or ~/.local/state/quillset.
    static QString folder();
    // This program's recovery file.
    const QString& path() const { return path_; }

    // Asks about each file that a program that is gone left behind, newest
    // first: "Recover" opens it as a modified document (stopping there),
    // "Discard" deletes it; a file whose question is closed otherwise stays
    // for the next start.
    void offerLeftOver(QWidget* parent);

private:
    void schedule(int delay);
    // Writes the file, or removes it when nothing is unsaved.
    void write();
    void remove();
    // Opens a left-over file; false when it was not answered.
    bool offer(const QString& file, QWidget* parent);

    CFolioDoc& document_;
    CCodeView& scriptPane_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QTimer timer_;
};

} // namespace quillset
