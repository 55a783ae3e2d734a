#pragma once

#include "cli/Invocation.h"

#include <vector>

namespace quillset {
struct MergeSettings;
} // namespace quillset

namespace quillset::cli {

// --data, --delimiter, --no-header, --records, --seq-start, --seq-step,
// --skip-bad, --replace-missing.
const std::vector<OptionSpec>& mergeOptionSpecs();

// The merge's settings from the options given, the batch starting now;
// false, said on standard error, when one does not read.
bool applyMergeOptions(const Invocation& invocation, MergeSettings& settings);

} // namespace quillset::cli
