#pragma once

#include "merge/LabelValues.h"
#include "merge/MergeSettings.h"
#include "merge/MergeTemplate.h"

#include <memory>
#include <optional>
#include <string>

namespace quillset {

class DataFile;
class FolioSession;

// The labels of a merge, one after the other: for each chosen record (the
// one record of a page without a data file) and each copy, the document's
// script with the label's values, compiled and rendered as any script is.
// The data file is read as a stream; memory does not grow with the records.
class MergeRun {
public:
    // Takes `document`'s script, page settings and printer type as they are now.
    MergeRun(const FolioSession& document, MergeSettings settings);
    ~MergeRun();
    MergeRun(const MergeRun&) = delete;
    MergeRun& operator=(const MergeRun&) = delete;

    // Leaves out these records (ascending) too; before the first label.
    void leaveOut(std::vector<int> records) { settings_.skippedRecords = std::move(records); }

    // Makes the next label's page; false after the last label, and when the
    // data file stops reading (fault()).
    bool next() { return advance(true); }
    // Passes over the next label as if it had been made, without making its
    // page: the counter and the records go on. False as next().
    bool skip() { return advance(false); }

    int record() const { return record_; } // counted from 1 in the data file
    int copy() const { return copy_; }     // from 0
    // The data file's record label `label` (from 1) is made from; nothing
    // without a data file.
    std::optional<int> recordOf(long long label) const;
    // The label's page: its script, objects and raster.
    const FolioSession& page() const { return *page_; }

    // Why the data file stopped reading, with its name and line.
    std::optional<std::string> fault() const;

private:
    bool advance(bool make);
    bool nextRecord();
    void makePage();

    MergeSettings settings_;
    MergeTemplate script_;
    std::unique_ptr<DataFile> data_;
    std::unique_ptr<FolioSession> page_;
    std::unique_ptr<LabelValues> values_;
    std::string text_;
    std::size_t skipped_ = 0; // the next of settings_.skippedRecords
    int record_ = 0;
    int copy_ = 0;
    long long label_ = 0; // counted from 0 over the labels made
    bool started_ = false;
    bool made_ = false; // the page is the current record's
};

} // namespace quillset
