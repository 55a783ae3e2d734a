#include "document/EditHistory.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace quillset {

namespace {

// Whole blocks are compared with memcmp first: a byte loop over a 50 MB
// script would be several times slower.
constexpr std::size_t kBlock = 4096;

std::size_t commonPrefix(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    if (a.data() == b.data())
        return n;
    std::size_t at = 0;
    while (at + kBlock <= n && std::memcmp(a.data() + at, b.data() + at, kBlock) == 0)
        at += kBlock;
    while (at < n && a[at] == b[at])
        ++at;
    return at;
}

std::size_t commonSuffix(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t tail = 0;
    while (tail + kBlock <= n && std::memcmp(a.data() + a.size() - tail - kBlock,
                                             b.data() + b.size() - tail - kBlock, kBlock) == 0)
        tail += kBlock;
    while (tail < n && a[a.size() - tail - 1] == b[b.size() - tail - 1])
        ++tail;
    return tail;
}

bool samePage(const DocumentState& one, const DocumentState& other) {
    const PageSettings& a = one.settings;
    const PageSettings& b = other.settings;
    return one.printerType == other.printerType && a.leftMargin == b.leftMargin &&
           a.topMargin == b.topMargin && a.pageWidth == b.pageWidth &&
           a.pageHeight == b.pageHeight;
}

} // namespace

void EditHistory::clear(const DocumentState& present) {
    present_ = present;
    steps_.clear();
    done_ = 0;
    heldBytes_ = 0;
    saved_ = 0;
}

void EditHistory::record(const DocumentState& before, const DocumentState& after) {
    push(before);
    push(after);
}

// A step from the present state to `next`, unless they are the same.
void EditHistory::push(const DocumentState& next) {
    const std::string_view from = *present_.script;
    const std::string_view to = *next.script;
    const std::size_t at = commonPrefix(from, to);
    if (at == from.size() && at == to.size() && samePage(present_, next))
        return;
    const std::size_t tail = commonSuffix(from.substr(at), to.substr(at));

    for (auto undone = steps_.begin() + static_cast<std::ptrdiff_t>(done_); undone != steps_.end();
         ++undone)
        heldBytes_ -= undone->other.size();
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (saved_ && *saved_ > done_)
        saved_.reset();

    Step step{at, to.size() - at - tail, std::string(from.substr(at, from.size() - at - tail)),
              present_.settings, present_.printerType};
    heldBytes_ += step.other.size();
    steps_.push_back(std::move(step));
    ++done_;
    present_ = next;

    const std::size_t budget = std::max(kMinHeldBytes, present_.script->size());
    while (steps_.size() > kMaxSteps || (steps_.size() > 1 && heldBytes_ > budget))
        dropOldest();
}

// Only a done step can go: it is the far side of the state after it.
void EditHistory::dropOldest() {
    heldBytes_ -= steps_.front().other.size();
    steps_.pop_front();
    --done_;
    if (saved_)
        saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
}

// The present state becomes the step's far side, and the step now holds
// what differs in the state just left.
void EditHistory::cross(Step& step) {
    std::swap(step.settings, present_.settings);
    std::swap(step.printerType, present_.printerType);
    // Page Setup alone: both sides share the script.
    if (step.length == 0 && step.other.empty())
        return;
    const std::string& here = *present_.script;
    auto there = std::make_shared<std::string>();
    there->reserve(here.size() - step.length + step.other.size());
    there->append(here, 0, step.at).append(step.other).append(here, step.at + step.length);
    std::string left = here.substr(step.at, step.length);

    heldBytes_ = heldBytes_ - step.other.size() + left.size();
    step.length = step.other.size();
    step.other = std::move(left);
    present_.script = std::move(there);
}

const DocumentState& EditHistory::undo() {
    cross(steps_[--done_]);
    return present_;
}

const DocumentState& EditHistory::redo() {
    cross(steps_[done_++]);
    return present_;
}

} // namespace quillset
