#pragma once

#include "language/LanguageOptions.h"
#include "language/PrintSource.h"
#include "merge/MergeCheck.h"
#include "merge/MergeRun.h"
#include "merge/MergeSettings.h"

#include <optional>
#include <string>

namespace quillset {

class FolioSession;

// The labels Print makes of a page with data: the document's page filled
// from each chosen record (the one record of a page without a data file),
// each record `copies` times, numbered by the counter. Every label is
// checked before the first is made; then they come one after the other, as
// a page and as bytes in the printer's language, one at a time whatever
// their number. File > Print and the command line's print, encode and
// render all make their batches here.
class LabelBatch : public PrintSource {
public:
    // Takes `document`'s script, page settings and printer type as they are
    // now, and checks every chosen label. The copies are the printer's,
    // those of `options`: each copy is a label of its own.
    LabelBatch(const FolioSession& document, MergeSettings settings, LanguageOptions options);

    const MergeCheck& check() const { return check_; }
    // Whether the batch may print after its check: nothing is wrong; or,
    // with `leaveOutBad`, some records are fine, and those with problems are
    // then left out. Never when no record is chosen. Before the first label.
    bool accept(bool leaveOutBad);

    // Goes on from label `first` (from 1, at most count()), as a batch that
    // stopped before it resumes: the labels before are passed over as if
    // printed, the counter and the records going on. After accept(), before
    // the first label.
    void startAt(long long first);

    // The labels it makes: the chosen records less those left out, times
    // the copies, less those passed over.
    long long count() const override;
    long long first() const override { return first_; }

    // Makes the next label; false after the last, and when the data file
    // stops reading (fault()).
    bool nextLabel();
    // The label made last: its page, its record in the data file (from 1)
    // and its number in the whole batch (from 1).
    const FolioSession& page() const { return run_.page(); }
    int record() const { return run_.record(); }
    long long label() const { return label_; }

    // The next label in the printer's language.
    bool next(std::string& out) override;
    std::optional<std::string> fault() const override { return run_.fault(); }
    std::optional<int> recordOf(long long label) const override { return run_.recordOf(label); }

private:
    LanguageOptions options_;
    int copies_;
    MergeCheck check_;
    MergeRun run_;
    long long leftOut_ = 0;
    long long label_ = 0;
    long long first_ = 1;
};

} // namespace quillset
