#pragma once

#include "model/PageSettings.h"
#include "model/PrinterType.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace quillset {

// What a step of the history restores: the script, the page settings and
// the printer type Page Setup chose with them. The objects and the page
// picture follow from them by compiling.
struct DocumentState {
    std::string script;
    PageSettings settings;
    int printerType = kDefaultPrinterType;

    bool operator==(const DocumentState& other) const;
};

// Undo and redo over whole edits. Each step holds the document's state
// before and after it, so undoing restores a state rather than reversing an
// operation, and can never disagree with the page.
class EditHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;

    // A new document or file: no steps, and this is the saved state.
    void clear();

    // One finished edit. A step that changes nothing is not kept. Steps that
    // were undone are dropped; past kMaxSteps the oldest goes.
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

private:
    struct Step {
        std::shared_ptr<const DocumentState> before;
        std::shared_ptr<const DocumentState> after;
    };

    std::deque<Step> steps_;
    // steps_[0, done_) are done, the rest undone.
    std::size_t done_ = 0;
    // How many steps were done when the document was saved; none when that
    // state is no longer in the history.
    std::optional<std::size_t> saved_ = 0;
};

} // namespace quillset
