#include "language/PrintJob.h"

#include "model/CodePage437.h"
#include "model/ScriptGenerator.h"

namespace quillset {

// The page stream converted straight into a buffer of its size: a long
// script is neither copied first nor moved as the buffer grows.
std::string buildPrintStream(const PageSettings& settings, std::string_view script) {
    const std::string header = pageHeader(settings);
    const std::string trailer = pageTrailer();
    const std::string_view lineBreak = breakBeforeTrailer(script);
    std::string stream;
    stream.reserve(header.size() + script.size() + lineBreak.size() + trailer.size());
    stream += header;
    appendUtf8AsCp437(stream, script);
    stream += lineBreak;
    stream += trailer;
    return stream;
}

} // namespace quillset
