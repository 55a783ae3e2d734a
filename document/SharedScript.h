#pragma once

#include <memory>
#include <string>

namespace quillset {

// A script held once and never changed: the open document and each state its
// edit history keeps point to the same text, however large it is.
using SharedScript = std::shared_ptr<const std::string>;

} // namespace quillset
