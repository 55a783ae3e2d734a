#include "printer/engine/PrintJob.h"

#include "model/CodePage437.h"
#include "model/ScriptGenerator.h"

namespace quillset {

std::string buildPrintStream(const PageSettings& settings, std::string_view script) {
    return utf8ToCp437(pageStream(settings, script));
}

} // namespace quillset
