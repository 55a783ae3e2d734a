#include "document/ScriptCheck.h"

#include "barcode/BarcodeCheck.h"
#include "document/ScriptFile.h"
#include "model/CodePage437.h"
#include "model/FieldMark.h"
#include "model/Limits.h"
#include "model/LooksLikeDrawing.h"
#include "model/ScriptReader.h"

#include <algorithm>

namespace quillset {

namespace {

CheckFinding pastLastObject(int line) {
    return {line, 1, "past the " + std::to_string(kMaxObjects) + "th line, not drawn"};
}

void checkStatement(std::string_view line, int number, std::vector<CheckFinding>& findings) {
    if (!looksLikeDrawing(line))
        return;
    ScriptReader reader;
    const Keyword keyword = reader.readDrawingStatement(line);
    if (keyword == Keyword::None) {
        findings.push_back({number, reader.failure.position + 1, reader.failure.reason});
    } else if (keyword == Keyword::DrawBarcode && !holdsField(reader.text.text())) {
        const int type = reader.args[4];
        if (auto problem = barcodeDataProblem(type, reader.text.text()))
            findings.push_back({number, reader.text.openQuote + 1, std::move(*problem)});
    }
}

} // namespace

std::vector<CheckFinding> checkScript(std::string_view fileBytes) {
    std::vector<CheckFinding> findings;
    int number = 0;
    std::string line;
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find('\n');
        line.assign(fileBytes.substr(0, end));
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        std::erase(line, '\r');
        if (!goesToScript(line))
            continue;
        if (++number > kMaxObjects)
            findings.push_back(pastLastObject(number));
        else
            checkStatement(line, number, findings);
    }
    return findings;
}

std::vector<CheckFinding> checkPaneScript(std::string_view utf8) {
    std::vector<CheckFinding> findings;
    std::string line;
    for (int number = 1; !utf8.empty(); ++number) {
        if (number > kMaxObjects) {
            findings.push_back(pastLastObject(number));
            break;
        }
        const std::size_t end = utf8.find_first_of("\r\n");
        const std::string_view piece = utf8.substr(0, end);
        // The blanks and the keyword a statement starts with are ASCII, alike
        // in both codes: only a line that may be one is converted to be read,
        // and an ASCII line, however long, is read where it stands.
        if (looksLikeDrawing(piece)) {
            if (isAscii(piece)) {
                checkStatement(piece, number, findings);
            } else {
                line.clear();
                appendUtf8AsCp437(line, piece);
                checkStatement(line, number, findings);
            }
        }
        if (end == std::string_view::npos)
            break;
        const bool crlf = utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n';
        utf8.remove_prefix(end + (crlf ? 2 : 1));
    }
    return findings;
}

} // namespace quillset
