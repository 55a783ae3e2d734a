#include "merge/LabelBatch.h"

#include "document/PrinterBytes.h"

#include <utility>

namespace quillset {

namespace {

MergeSettings withCopies(MergeSettings settings, int copies) {
    settings.copies = copies;
    return settings;
}

} // namespace

LabelBatch::LabelBatch(const FolioSession& document, MergeSettings settings,
                       LanguageOptions options)
    : options_(std::move(options))
    , copies_(std::exchange(options_.copies, 1))
    , check_(checkMerge(document, withCopies(settings, copies_)))
    , run_(document, withCopies(std::move(settings), copies_)) {}

bool LabelBatch::accept(bool leaveOutBad) {
    if (check_.problems.empty())
        return check_.records > 0;
    if (!leaveOutBad || !check_.printable())
        return false;
    std::vector<int> bad = check_.badRecords();
    leftOut_ = static_cast<long long>(bad.size());
    run_.leaveOut(std::move(bad));
    return true;
}

void LabelBatch::startAt(long long first) {
    while (label_ + 1 < first && run_.skip())
        ++label_;
    first_ = label_ + 1;
}

long long LabelBatch::count() const {
    return (check_.records - leftOut_) * copies_ - (first_ - 1);
}

bool LabelBatch::nextLabel() {
    if (!run_.next())
        return false;
    ++label_;
    return true;
}

bool LabelBatch::next(std::string& out) {
    if (!nextLabel())
        return false;
    out += printerBytes(run_.page(), options_);
    return true;
}

} // namespace quillset
