#include "document/EditHistory.h"

namespace quillset {

bool DocumentState::operator==(const DocumentState& other) const {
    const PageSettings& a = settings;
    const PageSettings& b = other.settings;
    return script == other.script && printerType == other.printerType &&
           a.leftMargin == b.leftMargin && a.topMargin == b.topMargin &&
           a.pageWidth == b.pageWidth && a.pageHeight == b.pageHeight;
}

void EditHistory::clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

void EditHistory::record(const DocumentState& before, const DocumentState& after) {
    if (before == after)
        return;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (saved_ && *saved_ > done_)
        saved_.reset();

    // Consecutive steps usually meet in one state; keep it once.
    auto first = !steps_.empty() && *steps_.back().after == before
                     ? steps_.back().after
                     : std::make_shared<const DocumentState>(before);
    steps_.push_back({std::move(first), std::make_shared<const DocumentState>(after)});
    ++done_;

    if (steps_.size() > kMaxSteps) {
        steps_.pop_front();
        --done_;
        if (saved_)
            saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
}

const DocumentState& EditHistory::undo() {
    return *steps_[--done_].before;
}

const DocumentState& EditHistory::redo() {
    return *steps_[done_++].after;
}

} // namespace quillset
