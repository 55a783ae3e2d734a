#pragma once

#include <memory>
#include <optional>
#include <string>

namespace quillset {

// What a print sends, made a page at a time as the connection asks for it:
// one page with its copies, or a batch's labels one after the other, so
// that a batch is never held whole.
class PrintSource {
public:
    virtual ~PrintSource() = default;
    // Appends the next page's bytes to `out`; false, `out` untouched, after
    // the last.
    virtual bool next(std::string& out) = 0;
    // How many pages it makes in all.
    virtual long long count() const = 0;
    // The number of its first page among those of the whole print it goes
    // on with: 37 when it resumes a batch at label 37.
    virtual long long first() const { return 1; }
    // Why it stopped before its last page (a data file that stopped
    // reading); nothing when it did not.
    virtual std::optional<std::string> fault() const { return std::nullopt; }
    // The data file's record its page `label` (numbered as first() is) is
    // made from; nothing for a page without data.
    virtual std::optional<int> recordOf([[maybe_unused]] long long label) const {
        return std::nullopt;
    }
};

// One page whose bytes are made already.
std::unique_ptr<PrintSource> pageSource(std::string bytes);

} // namespace quillset
