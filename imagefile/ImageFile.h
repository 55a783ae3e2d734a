#pragma once

#include "picture/GreyImage.h"
#include "picture/PictureImport.h"

#include <optional>
#include <string>

namespace quillset {

// The picture in a PNG, JPEG, BMP, GIF or SVG file (by its content, else by
// its name), as grey and alpha. Bitmaps come at their own size; a drawing
// is drawn `width` pixels wide with its aspect kept, or at its own width
// when `width` is 0, never wider than the widest picture. Nothing, with
// `error` set to why, when the file does not read. Needs a QGuiApplication.
std::optional<GreyImage> readImageFile(const std::string& path, int width, std::string& error);

// Whether the file is a drawing (SVG), made again at each size, rather
// than a bitmap.
bool isDrawingFile(const std::string& path);

// The file's size in pixels (a drawing's own), as the import dialog first
// offers it; nothing when it does not read.
std::optional<PictureSize> imageFileSize(const std::string& path);

} // namespace quillset
