#include "merge/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace quillset {
namespace {

struct Read {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> records;
    std::string fault;
};

Read readAll(const std::string& bytes, CsvOptions options = {}) {
    std::istringstream in(bytes);
    CsvReader reader(in, options);
    Read read{reader.columns(), {}, ""};
    while (reader.next()) {
        auto& record = read.records.emplace_back();
        for (std::size_t i = 0; i < reader.fieldCount(); ++i)
            record.emplace_back(reader.field(i));
    }
    read.fault = reader.fault().value_or("");
    return read;
}

using Rows = std::vector<std::vector<std::string>>;

TEST(CsvReader, ReadsRecords) {
    const struct {
        const char* why;
        std::string bytes;
        CsvOptions options;
        std::vector<std::string> columns;
        Rows records;
    } cases[] = {
        {"header and LF", "a,b\n1,2\n", {}, {"a", "b"}, {{"1", "2"}}},
        {"CR LF, no final break", "a,b\r\n1,2", {}, {"a", "b"}, {{"1", "2"}}},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a,b\n1,2",
         {},
         {"a", "b"},
         {{"1", "2"}}},
        {"quoted delimiter, doubled quote, line break",
         "a,b\n\"x, y\",\"say \"\"hi\"\"\nnow\"",
         {},
         {"a", "b"},
         {{"x, y", "say \"hi\"\nnow"}}},
        {"CR LF inside quotes becomes one line feed", "a\n\"1\r\n2\"", {}, {"a"}, {{"1\n2"}}},
        {"semicolons found from the header",
         "a;b;c,d\n1;2;3,4",
         {},
         {"a", "b", "c,d"},
         {{"1", "2", "3,4"}}},
        {"tabs found from the header", "a\tb\n1\t2", {}, {"a", "b"}, {{"1", "2"}}},
        {"a delimiter in a quoted header counts not",
         "\"a;b\",c\n1,2",
         {},
         {"a;b", "c"},
         {{"1", "2"}}},
        {"delimiter given", "a,b;c\n1,2;3", {';', true}, {"a,b", "c"}, {{"1,2", "3"}}},
        {"no header", "1,2\n3", {0, false}, {}, {{"1", "2"}, {"3"}}},
        {"empty lines are no records, empty fields stay",
         "a,b\n\n,\n\r\n",
         {},
         {"a", "b"},
         {{"", ""}}},
        {"blanks around header names go", " a , b\n1,2", {}, {"a", "b"}, {{"1", "2"}}},
        // The shapes of real exports.
        {"CR LF after a quoted field ends the record, the CR no part of it",
         "\xEF\xBB\xBF\"name\";\"city\"\r\n\"Ann\";\"Bath\"\r\n\"Bob\";Leeds\r\n",
         {},
         {"name", "city"},
         {{"Ann", "Bath"}, {"Bob", "Leeds"}}},
        {"the last column of a file without a header, with and without a final break",
         "1;2;3\r\n4;5;\"6\"\r\n7;8;9",
         {0, false},
         {},
         {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}},
        {"an empty last field before CR LF", "a;b\r\n1;\r\n", {}, {"a", "b"}, {{"1", ""}}},
        {"CR alone ends lines", "a,b\r1,2\r3,4", {}, {"a", "b"}, {{"1", "2"}, {"3", "4"}}},
        {"a quoted field with a CR LF inside, then a CR LF",
         "a;b\r\n\"x\r\ny\";z\r\n",
         {},
         {"a", "b"},
         {{"x\ny", "z"}}},
    };
    for (const auto& c : cases) {
        const Read read = readAll(c.bytes, c.options);
        EXPECT_EQ(read.columns, c.columns) << c.why;
        EXPECT_EQ(read.records, c.records) << c.why;
        EXPECT_EQ(read.fault, "") << c.why;
    }
}

// Messages name the line a record starts on in the file.
TEST(CsvReader, CountsTheLinesOfRecords) {
    const struct {
        const char* why;
        std::string bytes;
        std::vector<int> lines;
    } cases[] = {
        {"one line each after the header", "a\r\n1\r\n2\r\n", {2, 3}},
        {"a CR LF inside quotes takes a line", "a;b\r\n\"1\r\n1\";x\r\n2;y\r\n", {2, 4}},
        {"empty lines count, though they are no records", "a\n\n1\n\r\n\n2\n", {3, 6}},
        {"CR alone", "a\r1\r\"2\r2\"\r3", {2, 3, 5}},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes);
        CsvReader reader(in, {});
        std::vector<int> lines;
        while (reader.next())
            lines.push_back(reader.line());
        EXPECT_EQ(lines, c.lines) << c.why;
    }
}

// Records read one after another in the reader's kept storage: each holds
// its own fields and nothing of the record before, past its last field too.
TEST(CsvReader, EachRecordHoldsOnlyItsOwnFields) {
    const struct {
        const char* why;
        std::string bytes;
        Rows records; // each record's fields, no more
    } cases[] = {
        {"a short row after a longer one", "a;b;c\n1;2;3\n4\n5;6\n",
         {{"1", "2", "3"}, {"4"}, {"5", "6"}}},
        {"a shorter value in the same column", "a;b\nlong value;xyz\ns;t\n",
         {{"long value", "xyz"}, {"s", "t"}}},
        {"a quoted value after a plain one in its column", "a;b\nplain;x\n\"q;uoted\";y\n",
         {{"plain", "x"}, {"q;uoted", "y"}}},
        {"an empty field after a full one", "a;b\n1;full\n2;\n;3\n",
         {{"1", "full"}, {"2", ""}, {"", "3"}}},
        {"a record with a line break in quotes, then a short one",
         "a;b;c\n\"x\ny\";2;3\nz\n",
         {{"x\ny", "2", "3"}, {"z"}}},
        {"one field, then many, then one", "a\nA\nB;C;D;E\nF\n",
         {{"A"}, {"B", "C", "D", "E"}, {"F"}}},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes);
        CsvReader reader(in, {';', true});
        std::size_t widest = 0;
        for (const auto& record : c.records)
            widest = std::max(widest, record.size());
        for (std::size_t r = 0; r < c.records.size(); ++r) {
            ASSERT_TRUE(reader.next()) << c.why << ": record " << r + 1;
            EXPECT_EQ(reader.record(), static_cast<int>(r + 1)) << c.why;
            EXPECT_EQ(reader.fieldCount(), c.records[r].size()) << c.why << ": record " << r + 1;
            for (std::size_t i = 0; i <= widest; ++i) {
                const std::string expected = i < c.records[r].size() ? c.records[r][i] : "";
                EXPECT_EQ(reader.field(i), expected)
                    << c.why << ": record " << r + 1 << ", field " << i;
            }
        }
        EXPECT_FALSE(reader.next()) << c.why;
        EXPECT_FALSE(reader.fault()) << c.why;
    }
}

TEST(CsvReader, NamesTheLineOfAFault) {
    const struct {
        const char* why;
        std::string bytes;
        std::string fault;
        std::size_t recordsBefore;
    } cases[] = {
        {"unclosed quote names the line it opens on", "a\n1\n\"2\n3\n",
         "line 3: a quoted field is not closed", 1},
        {"text after a closing quote", "a\n\"1\"x\n",
         "line 2: text after a closing quote (a quote inside a quoted field is written twice: "
         "\"\")",
         0},
        {"Latin-1 instead of UTF-8", "a\n1\n\"x\ny\xE9\"\n",
         "line 4: the text is not UTF-8 (byte 0xE9); save the file as UTF-8", 1},
        {"overlong form", "a\n\xC0\xAF\n",
         "line 2: the text is not UTF-8 (byte 0xC0); save the "
         "file as UTF-8",
         0},
    };
    for (const auto& c : cases) {
        const Read read = readAll(c.bytes);
        EXPECT_EQ(read.fault, c.fault) << c.why;
        EXPECT_EQ(read.records.size(), c.recordsBefore) << c.why;
    }
}

} // namespace
} // namespace quillset
