#pragma once

#include "document/SharedScript.h"
#include "model/PageSettings.h"
#include "model/PrinterType.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace quillset {

// What a step of the history restores: the script, the page settings and
// the printer type Page Setup chose with them. The objects and the page
// picture follow from them by compiling.
struct DocumentState {
    SharedScript script = std::make_shared<const std::string>();
    PageSettings settings;
    int printerType = kDefaultPrinterType;
};

// Undo and redo over whole edits. Undoing restores a state rather than
// reversing an operation, so it can never disagree with the page. Only the
// state the history stands at is held whole; each step keeps just the part
// of its other side's script that differs, so moving one object of a huge
// script costs the history a line, not a copy.
class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;
    // The steps hold at most as many bytes of script as the present script
    // has, or this many for a smaller one; past that the oldest go.
    static constexpr std::size_t kMinHeldBytes = std::size_t{16} << 20;

    // A new document or file: no steps, and `present` is the saved state.
    void clear(const DocumentState& present);

    // One finished edit. A step that changes nothing is not kept. Steps that
    // were undone are dropped; past kMaxSteps the oldest goes. Where `before`
    // is not the state the history stands at (a paste replaced the script
    // without a step), the change to it becomes a step of its own, so that
    // undo passes through every state the document had.
    void record(const DocumentState& before, const DocumentState& after);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The state to restore. Only when canUndo() / canRedo().
    const DocumentState& undo();
    const DocumentState& redo();

    // The document was saved in its present state.
    void markSaved() { saved_ = done_; }
    // No state of the history is the saved one (a recovered document).
    void markUnsaved() { saved_.reset(); }
    // The document is as it was last saved (or opened).
    bool atSavedState() const { return saved_ == done_; }

    // The bytes of script the steps hold beside the present state's.
    std::size_t heldBytes() const { return heldBytes_; }

private:
    // The difference between two neighbouring states, seen from the one
    // nearer the present: the scripts agree but for `length` bytes from
    // `at` in the near one, which are `other` in the far one.
    struct Step {
        std::size_t at = 0;
        std::size_t length = 0;
        std::string other;
        PageSettings settings;
        int printerType = kDefaultPrinterType;
    };

    void push(const DocumentState& next);
    void cross(Step& step);
    void dropOldest();

    DocumentState present_;
    std::deque<Step> steps_;
    // steps_[0, done_) are done, the rest undone; present_ stands between.
    std::size_t done_ = 0;
    std::size_t heldBytes_ = 0;
    // How many steps were done when the document was saved; none when that
    // state is no longer in the history.
    std::optional<std::size_t> saved_ = 0;
};

} // namespace quillset
