#pragma once

#include "document/ScriptFile.h"

#include <string>
#include <string_view>

namespace quillset {

struct PageSettings;

// Turns a page stream (UTF-8) into the bytes Save writes for it a piece at a
// time: carriage returns removed, code page 437 (in a font text's line, a
// character it lacks as \u{HEX}), every line feed written as CR LF. The stream may be handed over in pieces cut anywhere, even inside a
// character; the bytes are those of the whole stream at once, and no more
// than a few pieces of it are held, whatever its length.
class ScriptFileEncoder {
public:
    explicit ScriptFileEncoder(FileAppend append);

    // False once an append failed.
    bool add(std::string_view utf8);
    // Converts what is left; false when any append failed.
    bool finish();

private:
    void convert(std::size_t end);

    FileAppend append_;
    std::string pending_; // without carriage returns, not converted yet
    bool lineStart_ = true;  // pending_ begins a line
    bool fontText_ = false;  // the line pending_ goes on with is a font text's
    std::string cp437_;
    std::string out_;
    bool ok_ = true;
};

// An append that adds each piece to `bytes`.
FileAppend appendingTo(std::string& bytes);

// Save's bytes for a page, header, `script` and trailer as pageStream puts
// them together, handed to `append` a piece at a time.
bool appendScriptFile(const FileAppend& append, const PageSettings& settings,
                      std::string_view script);

} // namespace quillset
