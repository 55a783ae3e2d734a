#pragma once

#include <string>
#include <string_view>

namespace quillset {

class KeptLines;
class ObjectList;
struct PageObject;
struct PageSettings;

// The object list written back as script text, one statement per object in
// list order: the canonical form of every readable statement. UTF-8, as the
// script pane holds it. Objects end with CR LF, kept script lines with LF.
// The lines kept past a full list follow the objects, unchanged.
std::string generateScript(const ObjectList& list, const KeptLines& kept);

// One object's text, line end included; empty for an unknown kind.
std::string generateStatement(const PageObject& object);

// What goes around the script when a page is printed or saved: the printer's
// escape sequences and the page statements.
std::string pageHeader(const PageSettings& settings);
std::string pageTrailer();

// Header, script and trailer; a script whose last line has no line end
// gets CR LF, so the trailer starts a line of its own.
std::string pageStream(const PageSettings& settings, std::string_view script);
// What goes between the script and the trailer: CR LF or nothing.
std::string_view breakBeforeTrailer(std::string_view script);

} // namespace quillset
