#include "imagefile/ImageFile.h"

#include "model/Limits.h"
#include "picture/PictureImport.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace quillset {

namespace {

bool isDrawing(const QString& path) {
    QImageReader probe(path);
    const QByteArray format = probe.format();
    return format == "svg" || format == "svgz" ||
           (format.isEmpty() && (path.endsWith(".svg", Qt::CaseInsensitive) ||
                                 path.endsWith(".svgz", Qt::CaseInsensitive)));
}

GreyImage greyOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    GreyImage grey;
    grey.width = argb.width();
    grey.height = argb.height();
    const auto size = static_cast<std::size_t>(grey.width) * static_cast<std::size_t>(grey.height);
    grey.grey.resize(size);
    grey.alpha.resize(size);
    std::size_t i = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x, ++i) {
            const QRgb p = line[x];
            grey.grey[i] = static_cast<std::uint8_t>(
                (qRed(p) * 299 + qGreen(p) * 587 + qBlue(p) * 114 + 500) / 1000);
            grey.alpha[i] = static_cast<std::uint8_t>(qAlpha(p));
        }
    }
    return grey;
}

std::optional<GreyImage> drawing(const QString& path, int width, std::string& error) {
    QSvgRenderer renderer(path);
    const QSize own = renderer.defaultSize();
    if (!renderer.isValid() || own.isEmpty()) {
        error = "The drawing does not read.";
        return std::nullopt;
    }
    const PictureSize size =
        importSize(own.width(), own.height(),
                   width > 0 ? width : std::min(own.width(), kMaxPictureWidth));
    QImage image(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return greyOf(image);
}

} // namespace

bool isDrawingFile(const std::string& path) {
    return isDrawing(QString::fromStdString(path));
}

std::optional<GreyImage> readImageFile(const std::string& path, int width, std::string& error) {
    const QString name = QString::fromStdString(path);
    if (isDrawing(name))
        return drawing(name, width, error);
    QImageReader reader(name);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        error = "The picture does not read: " + reader.errorString().toStdString() + ".";
        return std::nullopt;
    }
    return greyOf(image);
}

std::optional<PictureSize> imageFileSize(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (isDrawing(name)) {
        const QSize own = QSvgRenderer(name).defaultSize();
        return own.isEmpty() ? std::nullopt : std::optional(PictureSize{own.width(), own.height()});
    }
    QImageReader reader(name);
    reader.setAutoTransform(true);
    const QSize own = reader.size();
    return own.isEmpty() ? std::nullopt : std::optional(PictureSize{own.width(), own.height()});
}

} // namespace quillset
