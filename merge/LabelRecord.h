#pragma once

#include "merge/MergeSettings.h"

namespace quillset {

// The record of the data file (from 1) that label `label` (from 1) of a
// batch is made from: the chosen records from settings.firstRecord on, less
// settings.skippedRecords, each settings.copies times. A stop names it, as
// label 5 of a batch that leaves records out is not record 5.
int labelRecord(const MergeSettings& settings, long long label);

} // namespace quillset
