#pragma once

#include <string>

namespace quillset {
class KeptLines;
class ObjectList;
struct PageSettings;
} // namespace quillset

namespace quillset::cli {

// The page settings and every object with all its fields, then the lines
// kept past the 500th as "keptLines", as one JSON document; text converted
// to UTF-8, `attrs` one number per character.
std::string objectsJson(const PageSettings& page, const ObjectList& list, const KeptLines& kept);

} // namespace quillset::cli
