#include "merge/LabelRecord.h"

#include <algorithm>

namespace quillset {

int labelRecord(const MergeSettings& settings, long long label) {
    const long long copies = std::max(settings.copies, 1);
    long long record = settings.firstRecord + std::max(label - 1, 0LL) / copies;
    // Ascending: each one left out at or before the record so far moves it on.
    for (const int skipped : settings.skippedRecords) {
        if (skipped >= settings.firstRecord && skipped <= record)
            ++record;
    }
    return static_cast<int>(record);
}

} // namespace quillset
