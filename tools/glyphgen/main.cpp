// Rasterises the printer fonts' glyph tables G1 to G14 from Debian font files
// and writes them as raster/glyphs/GlyphTableG<n>.cpp, with a sample sheet of all
// sixteen fonts. Usage: glyphgen <repository root> <sample sheet .png>

#include "CellRasteriser.h"
#include "SampleSheet.h"
#include "TableLayouts.h"
#include "TableWriter.h"

#include <ft2build.h>
#include FT_DRIVER_H
#include FT_MODULE_H

#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: glyphgen <repository root> <sample sheet .png>\n");
        return 2;
    }
    try {
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) != 0) {
            throw std::runtime_error("cannot start FreeType");
        }
        // The classic TrueType interpreter: full hinting, made for
        // black-and-white pixels, and the same on every FreeType build.
        FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
        FT_Property_Set(library, "truetype", "interpreter-version", &interpreter);

        std::vector<std::vector<std::uint8_t>> tables;
        for (const glyphgen::TableLayout& layout : glyphgen::tableSpecs()) {
            glyphgen::CellRasteriser rasteriser(library, layout);
            std::vector<glyphgen::GlyphBitmap> glyphs;
            for (int code = 0; code < layout.glyphCount; ++code) {
                glyphs.push_back(rasteriser.glyph(code));
            }
            std::map<std::string, int> bySource;
            for (const std::string& source : rasteriser.sources()) {
                if (!source.empty()) {
                    ++bySource[source];
                }
            }
            std::printf("G%d:", layout.number);
            for (const auto& [source, count] : bySource) {
                std::printf(" %s %d;", source.substr(source.rfind('/') + 1).c_str(), count);
            }
            std::printf("\n");
            tables.push_back(glyphgen::packTable(layout, glyphs));
            writeFile(std::string(argv[1]) + "/raster/glyphs/GlyphTableG" +
                          std::to_string(layout.number) + ".cpp",
                      glyphgen::tableSource(layout, tables.back()));
        }
        glyphgen::writeSampleSheet(tables, argv[2]);
        FT_Done_FreeType(library);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "glyphgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
