#include "tests/support/TestFolder.h"
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(QUILLSET_SOURCE_DIR) / "examples";
const std::string kEot(1, '\x04');

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:

    // Runs the tool with `args` (shell words), `input` on standard input.
    Outcome run(const std::string& args, const std::string& input = "") {
        writeAll(dir / "stdin", input);
        const std::string command = std::string("cd '") + dir.string() + "' && '" + QUILLSET_CLI +
                                    "' " + args + " < stdin > stdout 2> stderr";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(dir / "stdout"),
                readAll(dir / "stderr")};
    }

    fs::path file(const std::string& name, const std::string& bytes) {
        writeAll(dir / name, bytes);
        return dir / name;
    }

    quillset::testing::TestFolder folder;
    const fs::path& dir = folder.path();
};

struct Pbm {
    int width = 0, height = 0;
    std::string bits;
};

Pbm parsePbm(const std::string& bytes) {
    Pbm p;
    std::istringstream in(bytes);
    std::string magic;
    in >> magic >> p.width >> p.height;
    in.get();
    if (magic != "P4")
        return {};
    p.bits.assign(std::istreambuf_iterator<char>(in), {});
    return p;
}

// A 1-bit grey PNG as PBM bits (1 = black).
Pbm decodePng(const fs::path& path) {
    Pbm p;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return p;
    image.format = PNG_FORMAT_GRAY;
    std::vector<png_byte> grey(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, grey.data(), 0, nullptr))
        return p;
    p.width = static_cast<int>(image.width);
    p.height = static_cast<int>(image.height);
    const int rowBytes = (p.width + 7) / 8;
    p.bits.assign(static_cast<std::size_t>(rowBytes * p.height), '\0');
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (grey[static_cast<std::size_t>(y * p.width + x)] < 128)
                p.bits[static_cast<std::size_t>(y * rowBytes + x / 8)] |=
                    static_cast<char>(0x80 >> (x % 8));
    return p;
}

std::size_t blackDots(const std::string& bits) {
    std::size_t n = 0;
    for (const char c : bits)
        n += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned char>(c)));
    return n;
}

std::vector<fs::path> examples() {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".txt")
            paths.push_back(entry.path());
    return paths;
}

TEST_F(Cli, RendersEveryExampleAsPbmAndPngAlike) {
    const auto paths = examples();
    ASSERT_GE(paths.size(), 4u);
    for (const fs::path& example : paths) {
        const std::string name = example.filename().string();
        const Outcome pbm = run("render '" + example.string() + "' -o page.pbm");
        ASSERT_EQ(pbm.status, 0) << name << ": " << pbm.err;
        const Outcome png = run("render '" + example.string() + "' -o page.png");
        ASSERT_EQ(png.status, 0) << name << ": " << png.err;
        EXPECT_EQ(pbm.err + png.err, "") << name;

        const Pbm fromPbm = parsePbm(readAll(dir / "page.pbm"));
        const Pbm fromPng = decodePng(dir / "page.png");
        const std::string objects = run("objects '" + example.string() + "'").out;
        const auto number = [&](const std::string& key) {
            const std::size_t at = objects.find("\"" + key + "\":");
            return std::atoi(objects.c_str() + at + key.size() + 3);
        };
        EXPECT_EQ(fromPbm.width, number("pageWidth")) << name;
        EXPECT_EQ(fromPbm.height, number("pageHeight")) << name;
        EXPECT_EQ(fromPng.width, fromPbm.width) << name;
        EXPECT_EQ(fromPng.height, fromPbm.height) << name;
        EXPECT_EQ(fromPng.bits, fromPbm.bits) << name << ": PNG and PBM show the same page";
        EXPECT_GT(blackDots(fromPbm.bits), 2000u) << name << ": the label is drawn";
    }
}

TEST_F(Cli, ExamplesAreAsSaveWritesThem) {
    for (const fs::path& example : examples()) {
        const Outcome saved = run("save '" + example.string() + "' again.txt");
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(readAll(dir / "again.txt"), readAll(example)) << example.filename();
        const Outcome check = run("check '" + example.string() + "'");
        EXPECT_EQ(check.status, 0) << example.filename() << ": " << check.out;
    }
}

TEST_F(Cli, ScriptStreamAndSaveBytes) {
    const std::string file = "SetMargin(8,16);\nSetPageSize(576,400);\n"
                             "drawrectangle(1,2,3,4,1,0)\n// caf\x82\n";
    const fs::path in = this->file("in.txt", file);
    const std::string script = "DrawRectangle(1,2,3,4,1,0);\r\n// caf\xC3\xA9\n";
    const std::string header =
        "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(8,16);\r\nSetPageSize(576,400);\r\n";
    const std::string trailer = "EndPage();\r\n\x1bP#" + kEot;

    const Outcome s = run("script in.txt");
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.out, script) << "UTF-8 on standard output, line ends as the document holds";

    const Outcome stream = run("stream in.txt");
    EXPECT_EQ(stream.out, header + "DrawRectangle(1,2,3,4,1,0);\r\n// caf\x82\n" + trailer)
        << "the printer gets code page 437 and the script's own line ends";
    EXPECT_EQ(run("stream in.txt -o out.bin").status, 0);
    EXPECT_EQ(readAll(dir / "out.bin"), stream.out);

    EXPECT_EQ(run("save in.txt out.txt").status, 0);
    EXPECT_EQ(readAll(dir / "out.txt"),
              header + "DrawRectangle(1,2,3,4,1,0);\r\n// caf\x82\r\n" + trailer)
        << "CR LF after every line";

    EXPECT_EQ(run("script -", file).out, script) << "standard input";
}

TEST_F(Cli, ObjectsAsJson) {
    file("label.txt", "SetPageSize(320,200);\nDrawText(1,2,1,0,\"<B>A\\nb\");\n"
                      "DrawBarcode(0,50,0,1,4,40,\"036000291450\");\n");
    const Outcome r = run("objects label.txt");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"page\":{\"leftMargin\":0,\"topMargin\":0,\"pageWidth\":320,"
                         "\"pageHeight\":200,\"rowBytes\":40}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"index\":0,\"kind\":\"Text\",\"left\":1,\"top\":2,"), std::string::npos);
    EXPECT_NE(r.out.find("\"literal\":\"<B>A\\\\nb\",\"rawLine\":\"\",\"chars\":\"A\\nb\","
                         "\"attrs\":[19,19,19]"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"literal\":\"036000291452\""), std::string::npos)
        << "the check digit written back at the render";
    EXPECT_NE(r.out.find("],\"keptLines\":[]}"), std::string::npos) << "none past the list";

    const Outcome pane = run("objects --as-pane -", "SetPageSize(320,200);\n// \xC3\xA9\n");
    EXPECT_NE(pane.out.find("\"pageWidth\":384"), std::string::npos)
        << "typed page statements do not change the page";
    EXPECT_NE(pane.out.find("\"kind\":\"ScriptLine\""), std::string::npos);
    EXPECT_NE(pane.out.find("\"rawLine\":\"// \xC3\xA9\""), std::string::npos) << pane.out;
}

// What the reader finds in the box (both corners included) of a picture,
// with a quiet zone of 16 dots around it.
std::string readSymbol(const Pbm& picture, int left, int top, int right, int bottom) {
    constexpr int kQuiet = 16;
    const int width = right - left + 1 + 2 * kQuiet;
    const int height = bottom - top + 1 + 2 * kQuiet;
    const int rowBytes = (picture.width + 7) / 8;
    std::vector<std::uint8_t> luminance(static_cast<std::size_t>(width * height), 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int px = left - kQuiet + x;
            const int py = top - kQuiet + y;
            if (px < 0 || py < 0 || px >= picture.width || py >= picture.height)
                continue;
            const auto byte =
                static_cast<unsigned char>(picture.bits[static_cast<std::size_t>(py * rowBytes + px / 8)]);
            if (byte & (0x80 >> (px % 8)))
                luminance[static_cast<std::size_t>(y * width + x)] = 0;
        }
    }
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    const auto result = ZXing::ReadBarcode(
        ZXing::ImageView(luminance.data(), width, height, ZXing::ImageFormat::Lum), hints);
    return result.isValid() ? result.text() : "(nothing found)";
}

// The example with symbols as a user meets it: each symbol read from the
// rendered PNG where `objects` says it lies; the picture languages print it,
// the script printer refuses before it sends a byte.
TEST_F(Cli, SymbolsScanFromTheRenderedPageAndOnlyPictureLanguagesPrintThem) {
    const std::string label = (kExamples / "product-label.txt").string();
    ASSERT_EQ(run("render '" + label + "' -o label.png").status, 0);
    const Pbm picture = decodePng(dir / "label.png");
    const Outcome objects = run("objects '" + label + "'");
    ASSERT_EQ(objects.status, 0) << objects.err;
    const std::regex symbol(
        "\"kind\":\"Symbol\",\"left\":(-?\\d+),\"top\":(-?\\d+),\"right\":(-?\\d+),"
        "\"bottom\":(-?\\d+)");
    std::vector<std::string> read;
    for (auto m = std::sregex_iterator(objects.out.begin(), objects.out.end(), symbol);
         m != std::sregex_iterator(); ++m) {
        read.push_back(readSymbol(picture, std::stoi((*m)[1]), std::stoi((*m)[2]),
                                  std::stoi((*m)[3]), std::stoi((*m)[4])));
    }
    EXPECT_EQ(read, (std::vector<std::string>{"https://quill.example/p/4471092",
                                              "01095011015300031727123110LOT42",
                                              "QS4471092231GB|12|4.8KG|AISLE 14 BAY C"}));

    const Outcome zpl = run("encode '" + label + "' --language zpl");
    EXPECT_EQ(zpl.status, 0) << zpl.err;
    EXPECT_EQ(zpl.out.rfind("^XA", 0), 0u);

    const std::string refusal =
        "The script printer cannot draw QR Code; choose ESC/POS or ZPL in Configure > Printer.\n";
    const Outcome script = run("encode '" + label + "' --language script");
    EXPECT_EQ(script.status, 1);
    EXPECT_EQ(script.out, "");
    EXPECT_EQ(script.err, refusal);
    const Outcome stream = run("stream '" + label + "'");
    EXPECT_EQ(stream.status, 1);
    EXPECT_EQ(stream.err, refusal);
    const Outcome print = run("print '" + label + "' --language script --to file:sent.bin");
    EXPECT_EQ(print.status, 1);
    EXPECT_EQ(print.err, refusal);
    EXPECT_FALSE(fs::exists(dir / "sent.bin")) << "nothing is sent";
}

// 502 statements between the printer's wrapper lines, which are not script
// lines: the 501st statement stands on line 505 of the file and on line 501
// of the script pane, as check names it.
TEST_F(Cli, LinesPastTheFiveHundredth) {
    std::string body;
    for (int i = 1; i <= 502; ++i)
        body += "DrawRectangle(0,0,9," + std::to_string(i) + ",1,0);\r\n";
    file("long.txt",
         "\x1bP$\x1bPP\r\nBeginPage();\r\nSetMargin(0,0);\r\nSetPageSize(384,1248);\r\n" + body +
             "EndPage();\r\n\x1bP#" + kEot);
    const std::string warning = "Warning: The page holds 500 lines at most; the lines after line "
                                "500 are kept in the script but not drawn.\n";

    const Outcome objects = run("objects long.txt");
    EXPECT_EQ(objects.status, 0) << "a warning is no error";
    EXPECT_EQ(objects.err, warning);
    EXPECT_NE(objects.out.find("\"index\":499,"), std::string::npos);
    EXPECT_EQ(objects.out.find("\"index\":500,"), std::string::npos);
    EXPECT_NE(objects.out.find("],\"keptLines\":[\n\"DrawRectangle(0,0,9,501,1,0);\",\n"
                               "\"DrawRectangle(0,0,9,502,1,0);\"]}"),
              std::string::npos)
        << "after the objects, as written";
    EXPECT_EQ(run("objects --as-pane -", body).err, warning) << "Compile tells too";

    const Outcome check = run("check long.txt");
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "501:1: past the 500th line, not drawn\n"
                         "502:1: past the 500th line, not drawn\n");

    ASSERT_EQ(run("save long.txt saved.txt").status, 0);
    EXPECT_EQ(readAll(dir / "saved.txt"), readAll(dir / "long.txt")) << "every line saved back";
}

TEST_F(Cli, PrinterTypeSetsTheStartingWidth) {
    file("box.txt", "DrawRectangle(0,0,10,10,1,0);\n");
    const struct {
        const char* why;
        std::string args;
        int width;
    } cases[] = {
        {"the default is 2 inches", "", 384},
        {"3 inches", " --printer-type 3", 576},
        {"4 inches", " --printer-type=4", 832},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(run("render box.txt -o p.pbm" + c.args).status, 0) << c.why;
        EXPECT_EQ(parsePbm(readAll(dir / "p.pbm")).width, c.width) << c.why;
    }
}

TEST_F(Cli, Check) {
    file("s.txt", "// DrawText is fine here\r\n"
                  "DrawText(0,0,1,0,\"ok\");\r\n"
                  "DrawRectangle(10,20,30,40,1);\r\n"
                  "DrawTxt(0,0,1,0,\"x\");\r\n"
                  "  drawbarcode(0,0,0,0,1,40,\"12\" x);\r\n"
                  "DrawText(0,0,1,0,\"<Q>\");\r\n"
                  "SetMargin(x);\r\n"
                  "DrawBarcode(0,0,0,1,4,40,\"5901234123451\");\r\n"
                  "DrawBarcode(200,0,0,1,1,40,\"12\");\r\n");
    const Outcome r = run("check s.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "3:28: expected ','\n"
                     "4:1: unknown statement\n"
                     "5:33: expected ')'\n"
                     "6:20: unknown tag\n"
                     "7:26: EAN-13 check digit should be 7, not 1\n"
                     "8:1: the barcode ends at dot 392; the page is 384 wide: it will be cut and "
                     "will not scan\n")
        << "SetMargin is taken out of the script, so the pane's line 7";

    file("notes.txt", "DrawFontText(0,0,1,0,24,0,0,0,\"Arial\",\"ok\");\r\n");
    const Outcome notes = run("check notes.txt");
    EXPECT_EQ(notes.status, 0) << "a note is no problem";
    EXPECT_EQ(notes.out, "1:31: note: 'Arial' is not installed; drawn with DejaVu Sans\n");
}

// Each record's picture is the page of the script with its values written in
// by hand, escapes and all; a file line holds a problem record, which stops
// the batch unless it is left out.
TEST_F(Cli, RendersOneLabelPerRecord) {
    const std::string head = "SetPageSize(384,200);\n";
    file("label.txt", head + "DrawText(8,8,1,0,\"<B>${Name}</B> ${seq:000}\");\n"
                             "DrawBarcode(8,60,0,1,4,60,\"${2}\");\n");
    file("data.csv", "\xEF\xBB\xBFname;ean\r\n\"Smith, \"\"J\"\" <U>\r\nLondon\";5901234123457\r\n"
                     "Zo\xC3\xAB \\ Ng;4006381333931\r\n");
    const Outcome r = run("render label.txt --data data.csv --seq-start 9 -o 'p-%02d.pbm'");
    ASSERT_EQ(r.status, 0) << r.err;
    const struct {
        const char* file;
        std::string script;
    } byHand[] = {
        {"p-01.pbm", "DrawText(8,8,1,0,\"<B>Smith, \\\"J\\\" \\<U>\\nLondon</B> 009\");\n"
                     "DrawBarcode(8,60,0,1,4,60,\"5901234123457\");\n"},
        {"p-02.pbm", "DrawText(8,8,1,0,\"<B>Zo\x89 \\\\ Ng</B> 010\");\n"
                     "DrawBarcode(8,60,0,1,4,60,\"4006381333931\");\n"},
    };
    for (const auto& page : byHand) {
        file("hand.txt", head + page.script);
        ASSERT_EQ(run("render hand.txt -o hand.pbm").status, 0);
        EXPECT_EQ(readAll(dir / page.file), readAll(dir / "hand.pbm")) << page.file;
    }
    file("data.csv", "name,ean\nA,5901234123457\nB,5901234123458\nC,4006381333931\n");
    const Outcome bad = run("check label.txt --data data.csv");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "record 2 (data.csv line 3): ${2} holds '5901234123458': EAN-13 check "
                       "digit should be 7, not 8\n");
    EXPECT_EQ(run("render label.txt --data data.csv -o 'q-%d.pbm'").status, 1);
    EXPECT_FALSE(fs::exists(dir / "q-1.pbm")) << "nothing is made from a batch with problems";
    EXPECT_EQ(run("render label.txt --data data.csv -o 'q-%d.pbm' --skip-bad").status, 0);
    EXPECT_TRUE(fs::exists(dir / "q-3.pbm") && !fs::exists(dir / "q-2.pbm"));
}

// Names in any script print as written: each label of the batch as render
// draws it, the same dots as a page written by hand with the name escaped,
// and read back from the printer language dot for dot.
TEST_F(Cli, FontTextNamesPrintAsWrittenDotForDot) {
    const std::string head = "SetPageSize(576,240);\n";
    file("label.txt", head + "DrawFontText(8,8,1,0,48,1,0,560,\"\",\"${name}\");\n"
                             "DrawFontText(570,230,1,1,24,4,1,0,\"DejaVu Serif\",\"${city}\\n№ ${seq}\");\n");
    file("data.csv", "name,city\n\xC5\x81ukasz \xC3\x98yvind,\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\n"
                     "Nguy\xE1\xBB\x85n V\xC4\x83n An,\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1\n"
                     "\xC5\xBD" "aneta \xC5\x9E\xC3\xBCkr\xC3\xBC,\xD8\xA7\xD9\x84\xD9\x82\xD8\xA7\xD9\x87\xD8\xB1\xD8\xA9\n");
    const Outcome r = run("render label.txt --data data.csv -o 'p-%d.pbm'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    file("hand.txt", head + "DrawFontText(8,8,1,0,48,1,0,560,\"\",\"\\u{141}ukasz \\u{D8}yvind\");\n"
                            "DrawFontText(570,230,1,1,24,4,1,0,\"DejaVu Serif\","
                            "\"\\u{41C}\\u{43E}\\u{441}\\u{43A}\\u{432}\\u{430}\\n\\u{2116} 1\");\n");
    ASSERT_EQ(run("render hand.txt -o hand.pbm").status, 0);
    EXPECT_EQ(readAll(dir / "p-1.pbm"), readAll(dir / "hand.pbm"));
    EXPECT_NE(readAll(dir / "p-2.pbm"), readAll(dir / "p-3.pbm"));

    for (const char* language : {"zpl", "tspl", "escpos"}) {
        SCOPED_TRACE(language);
        const Outcome job = run("encode label.txt --data data.csv --language " + std::string(language) + " -o job.bin");
        ASSERT_EQ(job.status, 0) << job.err;
        fs::remove_all(dir / "got");
        const Outcome got = run("listen --port job.bin --language " + std::string(language) + " -o got --pbm --pages 3");
        ASSERT_EQ(got.status, 0) << got.err;
        for (int i = 1; i <= 3; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "got/page-%04d.pbm", i);
            EXPECT_EQ(readAll(dir / name), readAll(dir / ("p-" + std::to_string(i) + ".pbm"))) << name;
        }
    }
    EXPECT_EQ(run("encode label.txt --data data.csv --language script").status, 1);
}

// The line under a Code 128 is the data a scanner reads: the same dots as
// that text written by hand where the line goes, without the code-set
// character in front (CP437 0x88, which Auto puts there). The script printer
// draws the statement itself, and draws it the same.
TEST_F(Cli, BarcodeLineShowsNoCodeSetCharacter) {
    const std::string head = "SetPageSize(384,160);\n";
    file("line.txt", head + "DrawBarcode(20,20,0,1,2,60,\"\x88QS4471\");\n");
    // Six characters: 22 x 6 / 2 - 10 x 6 / 2 + 44 = 80 along, the bars' 60 down.
    file("hand.txt", head + "DrawBarcode(20,20,0,0,2,60,\"\x88QS4471\");\n"
                            "DrawText(100,80,1,0,\"QS4471\");\n");
    ASSERT_EQ(run("render line.txt -o line.pbm").status, 0);
    ASSERT_EQ(run("render hand.txt -o hand.pbm").status, 0);
    EXPECT_EQ(readAll(dir / "line.pbm"), readAll(dir / "hand.pbm"));

    ASSERT_EQ(run("stream line.txt -o line.bin").status, 0);
    const Outcome got = run("listen --port line.bin --language script -o got --pbm --pages 1");
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(readAll(dir / "got/page-0001.pbm"), readAll(dir / "line.pbm"));
}

TEST_F(Cli, Errors) {
    const struct {
        const char* why;
        std::string args;
        std::string err;
    } cases[] = {
        {"a file that cannot be read", "script missing.txt", "Failed to open a file for read.\n"},
        {"an unwritable output", "save - no/such/dir.txt", "Failed to open a file for write.\n"},
        {"unknown image format", "render - -o page.gif",
         "The output file must end in .png or .pbm.\n"},
        {"a language not in the table", "encode - --language pcl",
         "--language takes script, escpos, zpl, tspl or epl2.\n"},
        {"TSPL's density in its own words", "encode - --language tspl --darkness 20",
         "--darkness 20: TSPL density is 0 to 15.\n"},
        {"the same darkness is within ZPL's, its speed is not",
         "encode - --language zpl --darkness 20 --speed 15", "--speed 15: ZPL speed is 1 to 14.\n"},
        {"EPL2's gap in dots is 16 to 240", "encode - --language epl2 --gap 1",
         "--gap 1: EPL2 gap is 2 to 30 mm.\n"},
        {"a media not known", "encode - --language tspl --media foil",
         "--media takes gap, mark or continuous.\n"},
        {"not a number", "encode - --language tspl --speed fast",
         "--speed takes a whole number from 0 to 99.\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.why;
        EXPECT_EQ(r.err, c.err) << c.why;
    }
    EXPECT_EQ(run("encode - --language tspl --media continuous --gap 90 -o out.tspl").status, 0)
        << "a gap is not sent for continuous paper, so it is not refused";
    EXPECT_EQ(run("").status, 1);
    EXPECT_EQ(run("frobnicate x").status, 1);
    EXPECT_EQ(run("render a.txt").status, 1) << "render needs -o";
    EXPECT_EQ(run("script a.txt b.txt").status, 1) << "one file only";
    EXPECT_EQ(run("script a.txt --printer-type 5").status, 1);
    EXPECT_EQ(run("script a.txt --bogus").status, 1);

    const Outcome warned = run("script -", std::string(250, 'x') + "\n");
    EXPECT_EQ(warned.status, 0) << "a warning is no error";
    EXPECT_EQ(warned.err,
              "Warning: One or more lines were longer than the maximum allowed limit of 200.\n");
}

// A 24 x 12 grey and alpha PNG: the left half black in a checker of 2 x 2
// squares, opaque; the right half black but transparent.
void writeLogoPng(const fs::path& path) {
    std::vector<png_byte> pixels;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool left = x < 12;
            pixels.push_back(left && (x / 2 + y / 2) % 2 == 0 ? 0 : 255);
            pixels.push_back(left ? 255 : 0);
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 24;
    image.height = 12;
    image.format = PNG_FORMAT_GA;
    png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr);
}

bool dotAt(const Pbm& p, int x, int y) {
    const int rowBytes = (p.width + 7) / 8;
    return (static_cast<unsigned char>(p.bits[static_cast<std::size_t>(y * rowBytes + x / 8)]) &
            (0x80 >> (x % 8))) != 0;
}

TEST_F(Cli, AddImagePlacesThePictureAsDrawnAndKeepsItInThePage) {
    if (run("--help").out.find("add-image") == std::string::npos)
        GTEST_SKIP() << "built without Qt Gui's picture readers";
    writeLogoPng(dir / "logo.png");
    file("page.txt", "SetPageSize(320,200);\r\nDrawRectangle(0,0,319,199,1,0);\r\n");
    const Outcome added = run("add-image page.txt logo.png --at 13,7 -o out.txt");
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.err, "");
    ASSERT_EQ(run("render out.txt -o out.pbm").status, 0);
    const Pbm page = parsePbm(readAll(dir / "out.pbm"));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(dotAt(page, 13 + x, 7 + y), x < 12 && (x / 2 + y / 2) % 2 == 0)
                << "at its own size, transparency on white, over the black box: " << x << ','
                << y;
    EXPECT_TRUE(dotAt(page, 12, 7) && dotAt(page, 37, 7)) << "the box beside it stays";

    const std::string objects = run("objects out.txt").out;
    EXPECT_NE(objects.find("\"kind\":\"image\",\"left\":13,\"top\":7,\"right\":36,\"bottom\":18"),
              std::string::npos)
        << objects;
    ASSERT_EQ(run("save out.txt again.txt").status, 0);
    EXPECT_EQ(readAll(dir / "again.txt"), readAll(dir / "out.txt")) << "saved as it was read";
    const Outcome script = run("print out.txt --language script --to file:sent.bin");
    EXPECT_EQ(script.status, 1);
    EXPECT_EQ(script.err, "The script printer cannot draw a picture; choose ESC/POS or ZPL in "
                          "Configure > Printer.\n");
    EXPECT_FALSE(fs::exists(dir / "sent.bin")) << "nothing is sent";

    const Outcome wide =
        run("add-image page.txt logo.png --at 0,0 --width 240 --dither diffusion -o -");
    ASSERT_EQ(wide.status, 0) << wide.err;
    EXPECT_NE(wide.out.find("DrawPicture(0,0,240,120,2,128,\""), std::string::npos);

    const struct {
        const char* why;
        std::string args;
        std::string err;
    } refused[] = {
        {"no place", "add-image page.txt logo.png -o x.txt",
         "add-image needs --at X,Y, the picture's top-left dot.\n"},
        {"a level past 255", "add-image page.txt logo.png --at 0,0 --dither threshold:256 -o x.txt",
         "The threshold level is 0 to 255.\n"},
        {"an unknown dithering", "add-image page.txt logo.png --at 0,0 --dither halftone -o x.txt",
         "--dither is threshold[:LEVEL], ordered or diffusion.\n"},
        {"wider than any page", "add-image page.txt logo.png --at 0,0 --width 900 -o x.txt",
         "--width is 1 to 832 dots.\n"},
        {"not a picture", "add-image page.txt page.txt --at 0,0 -o x.txt",
         "The picture does not read: Unsupported image format.\n"},
    };
    for (const auto& c : refused) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.why;
        EXPECT_EQ(r.err, c.err) << c.why;
        EXPECT_FALSE(fs::exists(dir / "x.txt")) << c.why;
    }
}

// Under the tests' own fonts only Lohit Devanagari has Devanagari, and no
// font has Egyptian hieroglyphs: a script can tell by the status.
TEST_F(Cli, FontsListsTheFamiliesThatHaveEveryCharacter) {
    const Outcome all = run("fonts");
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, "DejaVu Sans\nDejaVu Sans Mono\nDejaVu Serif\nLohit Devanagari\n")
        << "each family once, sorted";

    const struct {
        const char* why;
        std::string covering;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {"a script one font has (namaste)",
         "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xA5\x8D\xE0\xA4\xA4\xE0\xA5\x87", 0,
         "Lohit Devanagari\n", ""},
        {"a character no font has", "A\xF0\x93\x82\x80", 1, "",
         "No installed font has every character of 'A\xF0\x93\x82\x80'.\n"},
    };
    for (const auto& c : cases) {
        const Outcome r = run("fonts --covering '" + c.covering + "'");
        EXPECT_EQ(r.status, c.status) << c.why;
        EXPECT_EQ(r.out, c.out) << c.why;
        EXPECT_EQ(r.err, c.err) << c.why;
    }
}

TEST_F(Cli, Help) {
    const Outcome top = run("--help");
    EXPECT_EQ(top.status, 0);
    for (const char* command : {"render", "objects", "script", "stream", "save", "check"}) {
        EXPECT_NE(top.out.find(command), std::string::npos) << command;
        const Outcome help = run(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find("--printer-type"), std::string::npos) << command;
    }
}

} // namespace
