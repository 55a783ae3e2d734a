#include "document/ScriptCheck.h"

#include "barcode/BarcodeCheck.h"
#include "document/Compile.h"
#include "document/FontTextObject.h"
#include "document/ScriptFile.h"
#include "model/CodePage437.h"
#include "model/FieldMark.h"
#include "model/FontTextLine.h"
#include "model/Limits.h"
#include "model/LooksLikeDrawing.h"
#include "model/PageObject.h"
#include "model/PageSettings.h"
#include "model/ScriptReader.h"
#include "picture/PictureStatement.h"
#include "picture/PictureText.h"
#include "raster/PrinterFont.h"
#include "raster/TextRenderer.h"
#include "symbol/SymbolEncoder.h"

#include <algorithm>
#include <optional>

namespace quillset {

namespace {

CheckFinding pastLastObject(int line) {
    return {line, 1, "past the " + std::to_string(kMaxObjects) + "th line, not drawn"};
}

// A barcode cut by the page's edge will not scan; text only loses letters.
std::optional<std::string> offPageProblem(const PageObject& o, const PageSettings& page) {
    const bool barcode = o.kind == ObjectKind::Barcode || o.kind == ObjectKind::Symbol;
    const std::string what = o.kind == ObjectKind::Barcode ? "the barcode "
                             : o.kind == ObjectKind::Symbol ? "the symbol "
                                                            : "the text ";
    std::string where;
    if (o.right > page.pageWidth)
        where = "ends at dot " + std::to_string(o.right) + "; the page is " +
                std::to_string(page.pageWidth) + " wide";
    else if (o.bottom > page.pageHeight)
        where = "ends at row " + std::to_string(o.bottom) + "; the page is " +
                std::to_string(page.pageHeight) + " high";
    else if (o.left < 0)
        where = "starts at dot " + std::to_string(o.left) + ", left of the page";
    else if (o.top < 0)
        where = "starts at row " + std::to_string(o.top) + ", above the page";
    else
        return std::nullopt;
    return what + where + (barcode ? ": it will be cut and will not scan" : ": it will be cut");
}

// The pane's column (in characters) of a column of the line converted for
// reading, where each character the code page lacks took the length of its
// \u{HEX}.
int paneColumn(std::string_view utf8Line, int convertedColumn) {
    int pane = 1;
    int converted = 1;
    std::string one;
    for (std::size_t pos = 0; pos < utf8Line.size() && converted < convertedColumn; ++pane) {
        const std::size_t start = pos;
        decodeUtf8(utf8Line, pos);
        one.clear();
        appendUtf8AsCp437Escaped(one, utf8Line.substr(start, pos - start));
        converted += static_cast<int>(one.size());
    }
    return pane;
}

class StatementCheck {
public:
    StatementCheck(const PageSettings& page, std::vector<CheckFinding>& findings)
        : page_(page)
        , findings_(findings) {}

    void check(std::string_view line, int number) {
        if (!looksLikeDrawing(line))
            return;
        ScriptReader reader;
        const Keyword keyword = reader.readDrawingStatement(line);
        if (keyword == Keyword::None) {
            findings_.push_back({number, reader.failure.position + 1, reader.failure.reason});
            return;
        }
        if (keyword == Keyword::DrawPicture) {
            picture_ = PendingPicture{reader, number, {}, 0};
            return;
        }
        if (keyword == Keyword::DrawFontText) {
            checkFontText(reader, line, number);
            return;
        }
        if (keyword == Keyword::DrawRectangle || holdsField(reader.text.text()))
            return;
        const auto& a = reader.args;
        if (keyword == Keyword::DrawBarcode) {
            if (auto problem = barcodeDataProblem(a[4], reader.text.text())) {
                findings_.push_back({number, reader.text.openQuote + 1, std::move(*problem)});
                return;
            }
        }
        if (keyword == Keyword::DrawSymbol) {
            std::string problem = encodeSymbol(a[3], a[4], a[5], reader.text.text()).problem;
            if (!problem.empty()) {
                findings_.push_back({number, reader.text.openQuote + 1, std::move(problem)});
                return;
            }
        }
        PageObject o;
        o.kind = keyword == Keyword::DrawBarcode  ? ObjectKind::Barcode
                 : keyword == Keyword::DrawSymbol ? ObjectKind::Symbol
                                                  : ObjectKind::Text;
        if (o.kind == ObjectKind::Symbol) {
            fillSymbol(reader, o);
        } else if (o.kind == ObjectKind::Barcode) {
            o.barcodeX = a[0];
            o.barcodeY = a[1];
            o.angle = a[2];
            o.barcodeType = a[4];
            o.barcodeHeight = a[5];
            o.literal.assign(reader.text.text());
            setBarcodeBounds(o);
        } else {
            o.x = a[0];
            o.y = a[1];
            o.angle = a[3];
            o.styled.copyContentFrom(reader.text);
            setTextBounds(o, measurer_);
        }
        if (auto problem = offPageProblem(o, page_)) {
            const std::size_t keywordAt = line.find_first_not_of(" \t");
            findings_.push_back({number, static_cast<int>(keywordAt) + 1, std::move(*problem)});
        }
    }

    void checkFontText(const ScriptReader& reader, std::string_view line, int number) {
        PageObject o;
        fillFontText(reader, o);
        const auto text = fontTextLayout(o);
        if (!text->note.empty())
            findings_.push_back({number, static_cast<int>(line.find('"')) + 1, text->note, true});
        if (holdsField(o.fontText))
            return;
        for (std::string& problem : fontTextProblems(*text, o.fontWidth))
            findings_.push_back({number, reader.text.openQuote + 1, std::move(problem)});
        if (auto problem = offPageProblem(o, page_)) {
            const std::size_t keywordAt = line.find_first_not_of(" \t");
            findings_.push_back({number, static_cast<int>(keywordAt) + 1, std::move(*problem)});
        }
    }

    // A line of the dots of the picture whose statement came last: taken,
    // and not an object of its own when the picture reads.
    bool takesPictureLine(std::string_view line) {
        if (!picture_ || !isPictureLine(line))
            return false;
        if (picture_->lines++ < kMaxPictureBodyLines) {
            picture_->body += line;
            picture_->body += '\n';
        }
        return true;
    }

    // Judges the picture whose dots have ended, if any: how many of its lines
    // are objects of their own (none when it reads, each when it does not).
    int endPicture() {
        if (!picture_)
            return 0;
        PendingPicture ended = std::move(*picture_);
        picture_.reset();
        std::string failure;
        if (ended.lines > kMaxPictureBodyLines)
            failure = "more than " + std::to_string(kMaxPictureBodyLines) +
                      " lines of the picture's dots";
        else
            failure = readPictureStatement(ended.reader, std::move(ended.body)).failure;
        if (failure.empty())
            return 0;
        findings_.push_back({ended.number, 1, std::move(failure)});
        return ended.lines;
    }

private:
    struct PendingPicture {
        ScriptReader reader;
        int number;
        std::string body;
        int lines;
    };

    const PageSettings& page_;
    std::vector<CheckFinding>& findings_;
    FontTable fonts_;
    TextRenderer measurer_{fonts_};
    std::optional<PendingPicture> picture_;
};

// The page Open leaves: every page statement of the file applied in turn.
PageSettings filePage(std::string_view fileBytes, PageSettings page) {
    std::string dropped;
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find('\n');
        const std::string_view line = fileBytes.substr(0, end);
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        if (!goesToScript(line))
            loadFilter(line, dropped, page);
    }
    return page;
}

} // namespace

std::vector<CheckFinding> checkScript(std::string_view fileBytes, const PageSettings& startPage) {
    std::vector<CheckFinding> findings;
    const PageSettings page = filePage(fileBytes, startPage);
    StatementCheck statement(page, findings);
    int number = 0;
    int objects = 0;
    std::string line;
    while (!fileBytes.empty()) {
        const std::size_t end = fileBytes.find('\n');
        line.assign(fileBytes.substr(0, end));
        fileBytes.remove_prefix(end == std::string_view::npos ? fileBytes.size() : end + 1);
        std::erase(line, '\r');
        if (!goesToScript(line))
            continue;
        ++number;
        if (statement.takesPictureLine(line))
            continue;
        objects += statement.endPicture();
        if (++objects > kMaxObjects)
            findings.push_back(pastLastObject(number));
        else
            statement.check(line, number);
    }
    statement.endPicture();
    return findings;
}

std::vector<CheckFinding> checkPaneScript(std::string_view utf8, const PageSettings& page) {
    std::vector<CheckFinding> findings;
    StatementCheck statement(page, findings);
    std::string line;
    int objects = 0;
    for (int number = 1; !utf8.empty(); ++number) {
        const std::size_t end = utf8.find_first_of("\r\n");
        const std::string_view piece = utf8.substr(0, end);
        const bool dots = statement.takesPictureLine(piece);
        if (!dots)
            objects += statement.endPicture() + 1;
        if (objects > kMaxObjects) {
            findings.push_back(pastLastObject(number));
            break;
        }
        // The blanks and the keyword a statement starts with are ASCII, alike
        // in both codes: only a line that may be one is converted to be read,
        // and an ASCII line, however long, is read where it stands.
        if (!dots && looksLikeDrawing(piece)) {
            if (isAscii(piece)) {
                statement.check(piece, number);
            } else {
                line.clear();
                appendUtf8LineAsCp437(line, piece);
                const std::size_t before = findings.size();
                statement.check(line, number);
                if (isFontTextLine(piece)) {
                    for (std::size_t i = before; i < findings.size(); ++i)
                        findings[i].column = paneColumn(piece, findings[i].column);
                }
            }
        }
        if (end == std::string_view::npos)
            break;
        const bool crlf = utf8[end] == '\r' && end + 1 < utf8.size() && utf8[end + 1] == '\n';
        utf8.remove_prefix(end + (crlf ? 2 : 1));
    }
    statement.endPicture();
    return findings;
}

} // namespace quillset
