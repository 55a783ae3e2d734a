#pragma once

#include <string_view>

namespace quillset {

class FolioSession;

// What the printer makes of one page stream (code page 437): the escape
// lines, BeginPage and EndPage are taken as the page's frame, SetMargin and
// SetPageSize set the page, and every other line is compiled and drawn as it
// came, without being written again. The page ends up in the session's
// raster; the session's script is what was drawn.
void interpretPageStream(FolioSession& session, std::string_view pageStream);

} // namespace quillset
