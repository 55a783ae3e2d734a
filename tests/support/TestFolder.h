#pragma once

#include <filesystem>

namespace quillset::testing {

// A folder of the test's own under the system's temporary folder, made anew
// with a unique name and removed with everything in it when the test ends.
// Tests run side by side (ctest --parallel), so no two may share a file name.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

} // namespace quillset::testing
