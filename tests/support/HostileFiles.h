#pragma once

#include <string>
#include <vector>

namespace quillset::testing {

// A script file such as other programs, old versions or a damaged disk may
// hand us, with what Open must make of it.
struct HostileFile {
    std::string name;
    std::string bytes;
    bool longLineWarning;
    int wantObjects;   // -1: not checked
    int wantKeptLines; // lines past the 500th, kept apart from the objects
};

// The set that the hostile-input tests open and the benchmark times: huge
// lines, a million lines (empty, and statements), NUL bytes, invalid UTF-8, every byte value, long
// numbers, a thousand tags, 16-bit extremes and a 400-character barcode of
// each type.
std::vector<HostileFile> hostileFiles();

// Every byte value 1 to 255 except those that end a line or mark the
// printer's wrapper lines (which Open drops).
std::string everyByte();

std::string repeat(const std::string& piece, int times);

} // namespace quillset::testing
