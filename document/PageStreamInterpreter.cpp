#include "document/PageStreamInterpreter.h"

#include "document/FolioSession.h"
#include "document/ScriptFile.h"

namespace quillset {

void interpretPageStream(FolioSession& session, std::string_view pageStream) {
    LoadedScript loaded = loadScript(pageStream, session.settings());
    session.compile(loaded.script);
}

} // namespace quillset
