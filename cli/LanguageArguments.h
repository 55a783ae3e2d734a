#pragma once

#include "cli/Invocation.h"

#include <vector>

namespace quillset {
struct LanguageOptions;
}

namespace quillset::cli {

// --language and the options of the printer languages, shared by encode,
// print and listen.
const std::vector<OptionSpec>& languageOptionSpecs();

// Applies those that are given on top of `options`. Says on standard error
// what is wrong with a value and returns false.
bool applyLanguageOptions(const Invocation& invocation, LanguageOptions& options);

// Appends `more` to `options`: a command's own options and shared ones.
std::vector<OptionSpec> withOptions(std::vector<OptionSpec> options,
                                    const std::vector<OptionSpec>& more);

} // namespace quillset::cli
