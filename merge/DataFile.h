#pragma once

#include "merge/CsvReader.h"

#include <fstream>
#include <optional>
#include <string>

namespace quillset {

// A data file opened for one pass over its records.
class DataFile {
public:
    DataFile(const std::string& path, const CsvOptions& options);

    // Whether the file could be opened; false also sets fault().
    bool opened() const { return opened_; }
    CsvReader& reader() { return reader_; }
    const CsvReader& reader() const { return reader_; }
    // The file's name without its folder, as messages name it.
    const std::string& name() const { return name_; }
    // Why the file stopped reading, with its name: "orders.csv, line 12: ...".
    std::optional<std::string> fault() const;

private:
    std::ifstream stream_;
    std::string name_;
    bool opened_;
    CsvReader reader_;
};

} // namespace quillset
