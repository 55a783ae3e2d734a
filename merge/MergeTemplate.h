#pragma once

#include "merge/Field.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillset {

// A field where it stands in the script.
struct PlacedField {
    Field field;
    int line; // 1-based, as the script pane counts
    bool fontText = false; // in a font text, drawn with the system's fonts
};

// The document's script (UTF-8) cut at its fields. Fields are found only in
// the string literals of DrawText, DrawBarcode and DrawSymbol statements,
// outside style tags, and in a DrawFontText's text (its second literal); "$${" there writes a plain "${", and a "${" after a backslash is
// plain text too. Everything else stays as written.
class MergeTemplate {
public:
    explicit MergeTemplate(std::string_view script);

    // Whether filling changes the script at all: it holds fields or "$${".
    bool fills() const { return pieces_.size() > 1; }
    const std::vector<PlacedField>& fields() const { return fields_; }
    // Whether any field is of this kind.
    bool uses(FieldKind kind) const;

    // The script with `values[i]` in place of field i, each escaped as its
    // literal needs: '"', '\' and '<' print as themselves, a line break
    // (CR LF, CR or LF) becomes "\n". A value never ends its literal or
    // starts a style. Values are UTF-8, as the script is.
    void fill(const std::vector<std::string_view>& values, std::string& out) const;

    // The lines that hold fields, each with its fields' indices.
    struct FieldLine {
        int line;
        std::size_t firstPiece; // the line's pieces in pieces_
        std::size_t endPiece;
        std::vector<std::size_t> fields;
    };
    const std::vector<FieldLine>& fieldLines() const { return fieldLines_; }
    // One line of fieldLines() with its values, without its line break.
    void fillLine(const FieldLine& line, const std::vector<std::string_view>& values,
                  std::string& out) const;

private:
    // A piece of the script as written, or field `field` when it is >= 0.
    struct Piece {
        std::size_t begin;
        std::size_t end;
        int field = -1;
    };
    void cutLine(std::size_t begin, std::size_t literal, std::size_t end, int number,
                 bool fontText);
    void appendPieces(std::size_t first, std::size_t end,
                      const std::vector<std::string_view>& values, std::string& out) const;

    std::string script_;
    std::vector<Piece> pieces_;
    std::vector<PlacedField> fields_;
    std::vector<FieldLine> fieldLines_;
    std::size_t textFrom_ = 0; // where the text not yet in a piece starts
};

// Appends `value` as it must stand in a string literal to print as itself.
void appendLiteralEscaped(std::string_view value, std::string& out);

} // namespace quillset
