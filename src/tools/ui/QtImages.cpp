// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/QtImages.h"

#include "base/FileIo.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QObject>

namespace vexil::tools {

RgbaImage RgbaOfImage(const QImage &picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    RgbaImage image;
    image.width = rgba.width();
    image.height = rgba.height();
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y) {
        const uchar *line = rgba.constScanLine(y);
        std::copy(line, line + image.width * 4,
                  image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width * 4);
    }
    return image;
}

ImageFileRead ReadImageFile(const QString &path)
{
    ImageFileRead result;
    const base::ReadResult read =
        base::ReadWholeFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (!read.ok()) {
        result.error = QString::fromStdString(read.error->message);
        return result;
    }
    QByteArray bytes(reinterpret_cast<const char *>(read.bytes.data()),
                     static_cast<qsizetype>(read.bytes.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    result.image = reader.read();
    if (result.image.isNull()) {
        result.error = QObject::tr("%1\n\nThis file cannot be read as a picture: %2")
                           .arg(path, reader.errorString());
    }
    return result;
}

QImage ImageOfCells(const SpriteGrid &cells, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = cells.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return image;
}

} // namespace vexil::tools
