#include "merge/MergeTemplate.h"

#include <gtest/gtest.h>

namespace quillset {
namespace {

TEST(MergeTemplate, ReadsEachKindOfField) {
    const struct {
        const char* why;
        const char* inside;
        FieldKind kind;
        std::string name;
        int number;
    } cases[] = {
        {"a column by its header", "Name", FieldKind::Column, "Name", 0},
        {"a column by position", "12", FieldKind::Position, "", 12},
        {"no column 0", "0", FieldKind::Malformed, "", 0},
        {"the counter, any case", "SEQ", FieldKind::Counter, "", 0},
        {"the counter padded to six digits", "seq:000000", FieldKind::Counter, "", 6},
        {"a width is written in zeros", "seq:6", FieldKind::Malformed, "", 0},
        {"a colon needs its width", "seq:", FieldKind::Malformed, "", 0},
        {"a date in its format", "date:%d.%m.%Y", FieldKind::Date, "%d.%m.%Y", 0},
        {"a date without format", "date", FieldKind::Date, "%Y-%m-%d", 0},
        {"a time", "time:%H%M", FieldKind::Time, "%H%M", 0},
        {"a column whose name starts like a field", "dates", FieldKind::Column, "dates", 0},
        {"nothing inside", "", FieldKind::Malformed, "", 0},
    };
    for (const auto& c : cases) {
        const Field f = readField(c.inside);
        EXPECT_EQ(f.kind, c.kind) << c.why;
        EXPECT_EQ(f.name, c.name) << c.why;
        EXPECT_EQ(f.kind == FieldKind::Counter ? f.width : f.position, c.number) << c.why;
    }
}

// Every field gets the value "v", so what changes is where fields are found
// and how the rest is kept.
TEST(MergeTemplate, FindsFieldsOnlyInLiterals) {
    const struct {
        const char* why;
        std::string script;
        std::string filled;
    } cases[] = {
        {"text field", "DrawText(1,2,1,0,\"Hi ${name}!\");", "DrawText(1,2,1,0,\"Hi v!\");"},
        {"barcode field", "DrawBarcode(1,2,0,1,2,40,\"${1}\");",
         "DrawBarcode(1,2,0,1,2,40,\"v\");"},
        {"two fields, lines kept with their breaks",
         "DrawRectangle(1,1,2,2,1,0);\r\nDrawText(0,0,"
         "1,0,\"${a}${b}\");\nx",
         "DrawRectangle(1,1,2,2,1,0);\r\nDrawText(0,0,1,0,\"vv\");\nx"},
        {"$${ is a plain ${", "DrawText(0,0,1,0,\"$${a} ${a}\");", "DrawText(0,0,1,0,\"${a} v\");"},
        {"an escaped $ starts no field", "DrawText(0,0,1,0,\"\\${a}\");",
         "DrawText(0,0,1,0,\"\\${a}\");"},
        {"not in a tag", "DrawText(0,0,1,0,\"<F=${a}>\");", "DrawText(0,0,1,0,\"<F=${a}>\");"},
        {"not after the literal", "DrawText(0,0,1,0,\"a\") ${a}", "DrawText(0,0,1,0,\"a\") ${a}"},
        {"not in other lines", "// ${a}\nDrawRectangle(0,0,1,1,1,0); ${a}",
         "// ${a}\nDrawRectangle(0,0,1,1,1,0); ${a}"},
        {"unclosed stays", "DrawText(0,0,1,0,\"${a\");", "DrawText(0,0,1,0,\"${a\");"},
        {"a literal too long before filling",
         "DrawText(0,0,1,0,\"" + std::string(250, 'x') + "${a}\");",
         "DrawText(0,0,1,0,\"" + std::string(250, 'x') + "v\");"},
    };
    for (const auto& c : cases) {
        const MergeTemplate t(c.script);
        std::string out;
        t.fill(std::vector<std::string_view>(t.fields().size(), "v"), out);
        EXPECT_EQ(out, c.filled) << c.why;
    }
}

TEST(MergeTemplate, ValuesNeverEndTheLiteralOrStartAStyle) {
    const struct {
        const char* why;
        const char* value;
        const char* written;
    } cases[] = {
        {"quote", "say \"hi\")", "say \\\"hi\\\")"},
        {"backslash, also before n", "a\\nb\\", "a\\\\nb\\\\"},
        {"angle brackets", "<B>x</B>", "\\<B>x\\</B>"},
        {"line breaks of every kind", "a\r\nb\nc\rd", "a\\nb\\nc\\nd"},
        {"UTF-8 as it is", "Zo\xC3\xAB", "Zo\xC3\xAB"},
    };
    for (const auto& c : cases) {
        std::string out;
        appendLiteralEscaped(c.value, out);
        EXPECT_EQ(out, c.written) << c.why;
    }
}

} // namespace
} // namespace quillset
