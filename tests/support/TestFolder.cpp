#include "tests/support/TestFolder.h"

#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace quillset::testing {

TestFolder::TestFolder() {
    std::string name = (std::filesystem::temp_directory_path() / "quillset-test-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder under " + name);
    }
    path_ = name;
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace quillset::testing
