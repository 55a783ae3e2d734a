#include "merge/MergeRun.h"

#include "document/FolioSession.h"
#include "merge/DataFile.h"
#include "merge/LabelRecord.h"
#include "model/PageSettings.h"

namespace quillset {

MergeRun::MergeRun(const FolioSession& document, MergeSettings settings)
    : settings_(std::move(settings))
    , script_(document.script())
    , page_(std::make_unique<FolioSession>(document.printerType())) {
    page_->settings() = document.settings();
    if (!settings_.dataPath.empty())
        data_ = std::make_unique<DataFile>(settings_.dataPath, settings_.csv);
    static const std::vector<std::string> kNoColumns;
    values_ = std::make_unique<LabelValues>(script_, data_ ? data_->reader().columns() : kNoColumns,
                                            settings_);
}

MergeRun::~MergeRun() = default;

std::optional<std::string> MergeRun::fault() const {
    return data_ ? data_->fault() : std::nullopt;
}

std::optional<int> MergeRun::recordOf(long long label) const {
    if (!data_)
        return std::nullopt;
    return labelRecord(settings_, label);
}

bool MergeRun::nextRecord() {
    if (!data_) {
        record_ = 1;
        return !std::exchange(started_, true);
    }
    CsvReader& reader = data_->reader();
    while (data_->opened() && reader.next()) {
        record_ = reader.record();
        if (record_ < settings_.firstRecord)
            continue;
        if (record_ > settings_.lastRecord)
            return false;
        const auto& skipped = settings_.skippedRecords;
        while (skipped_ < skipped.size() && skipped[skipped_] < record_)
            ++skipped_;
        if (skipped_ < skipped.size() && skipped[skipped_] == record_)
            continue;
        return true;
    }
    return false;
}

void MergeRun::makePage() {
    script_.fill(values_->of(data_ ? &data_->reader() : nullptr, label_), text_);
    page_->compile(text_);
    made_ = true;
}

bool MergeRun::advance(bool make) {
    if (started_ && copy_ + 1 < settings_.copies) {
        ++copy_;
        ++label_;
        // Without a counter every copy is the same page.
        if (make && (script_.uses(FieldKind::Counter) || !made_))
            makePage();
        return true;
    }
    copy_ = 0;
    const bool first = !started_;
    if (!nextRecord())
        return false;
    if (!first)
        ++label_;
    started_ = true;
    made_ = false;
    if (make)
        makePage();
    return true;
}

} // namespace quillset
