#include "document/ScriptFileEncoder.h"

#include "model/CodePage437.h"
#include "model/FontTextLine.h"
#include "model/ScriptGenerator.h"

#include <algorithm>
#include <utility>

namespace quillset {

namespace {

constexpr std::size_t kPiece = 64 * 1024;

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isLead(char c) {
    return static_cast<unsigned char>(c) >= 0xC0;
}

// Whether `text` may be converted in two parts cut before `at` with the same
// result as whole: the byte there begins a character, or no sequence that
// began before it can still be going on (a lead byte takes three more at most).
bool cutsBetweenCharacters(std::string_view text, std::size_t at) {
    if (!isContinuation(text[at]))
        return true;
    const std::size_t from = at < 3 ? 0 : at - 3;
    return std::none_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                        text.begin() + static_cast<std::ptrdiff_t>(at), isLead);
}

// The last place at which `text` can be cut, or 0; the end is never one, for
// the bytes still to come may finish its last character.
std::size_t lastCut(std::string_view text) {
    for (std::size_t at = text.size(); at-- > 1;) {
        if (cutsBetweenCharacters(text, at))
            return at;
    }
    return 0;
}

} // namespace

ScriptFileEncoder::ScriptFileEncoder(FileAppend append)
    : append_(std::move(append)) {}

bool ScriptFileEncoder::add(std::string_view utf8) {
    while (ok_ && !utf8.empty()) {
        const std::string_view piece = utf8.substr(0, kPiece);
        utf8.remove_prefix(piece.size());
        std::copy_if(piece.begin(), piece.end(), std::back_inserter(pending_),
                     [](char c) { return c != '\r'; });
        if (pending_.size() >= kPiece)
            convert(lastCut(pending_));
    }
    return ok_;
}

bool ScriptFileEncoder::finish() {
    if (ok_)
        convert(pending_.size());
    return ok_;
}

void ScriptFileEncoder::convert(std::size_t end) {
    cp437_.clear();
    std::string_view text = std::string_view(pending_).substr(0, end);
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        const std::string_view line = text.substr(0, feed == std::string_view::npos ? text.size()
                                                                                   : feed + 1);
        if (lineStart_)
            fontText_ = isFontTextLine(line);
        if (fontText_)
            appendUtf8AsCp437Escaped(cp437_, line);
        else
            appendUtf8AsCp437(cp437_, line);
        lineStart_ = feed != std::string_view::npos;
        text.remove_prefix(line.size());
    }
    pending_.erase(0, end);
    out_.clear();
    for (const char c : cp437_) {
        if (c == '\n')
            out_ += '\r';
        out_ += c;
    }
    ok_ = append_(out_);
}

FileAppend appendingTo(std::string& bytes) {
    return [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    };
}

bool appendScriptFile(const FileAppend& append, const PageSettings& settings,
                      std::string_view script) {
    ScriptFileEncoder encoder(append);
    return encoder.add(pageHeader(settings)) && encoder.add(script) &&
           encoder.add(breakBeforeTrailer(script)) && encoder.add(pageTrailer()) &&
           encoder.finish();
}

} // namespace quillset
