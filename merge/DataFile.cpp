#include "merge/DataFile.h"

#include <filesystem>

namespace quillset {

DataFile::DataFile(const std::string& path, const CsvOptions& options)
    : stream_(path, std::ios::binary)
    , name_(std::filesystem::path(path).filename().string())
    , opened_(stream_.is_open())
    , reader_(stream_, options) {}

std::optional<std::string> DataFile::fault() const {
    if (!opened_)
        return name_ + " cannot be read.";
    if (reader_.fault())
        return name_ + ", " + *reader_.fault();
    if (stream_.bad())
        return name_ + " could not be read to its end.";
    return std::nullopt;
}

} // namespace quillset
