#include "cli/PageImage.h"

#include "language/DotPicture.h"
#include "model/PrinterType.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace quillset::cli {

namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

} // namespace

std::string pngImage(const DotPictureView& picture) {
    const int width = picture.width;
    const int height = picture.height;
    const int rowBytes = (width + 7) / 8;
    if (width <= 0 || height <= 0)
        return {};

    // PNG grey: 0 is black, so a set dot becomes a clear bit.
    std::vector<png_byte> rows(static_cast<std::size_t>(rowBytes) * height);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < rowBytes; ++c)
            rows[static_cast<std::size_t>(r) * rowBytes + c] =
                static_cast<png_byte>(~picture.row(r)[c]);
    }

    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendToString, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 1,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // Stored so that viewers show the label life-size.
    png_set_pHYs(png, info, kDotsPerMetre, kDotsPerMetre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int r = 0; r < height; ++r)
        png_write_row(png, &rows[static_cast<std::size_t>(r) * rowBytes]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string pbmImage(const DotPictureView& picture) {
    const int rowBytes = (picture.width + 7) / 8;
    std::string out =
        "P4\n" + std::to_string(picture.width) + ' ' + std::to_string(picture.height) + '\n';
    for (int r = 0; r < picture.height; ++r)
        out.append(reinterpret_cast<const char*>(picture.row(r)),
                   static_cast<std::size_t>(rowBytes));
    return out;
}

} // namespace quillset::cli
