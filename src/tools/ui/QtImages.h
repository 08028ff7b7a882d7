// SPDX-License-Identifier: GPL-3.0-or-later
// Between Qt's pictures and the core's: the windows read pictures with Qt (every
// format it knows) and hand the pixels to the same code vexil-cli uses.
#pragma once

#include "tools/Sprite.h"
#include "tools/SpriteImage.h"

#include <QImage>
#include <QString>

namespace vexil::tools {

RgbaImage RgbaOfImage(const QImage &picture);

struct ImageFileRead {
    QImage image;  // null when the file could not be read
    QString error; // why, for the user: the file named, then the reason
};

// Reads a picture in any format Qt knows. The bytes come through the one reader
// of whole files, so a pipe or a device chosen by mistake is refused at once
// instead of holding the window until something writes to it.
ImageFileRead ReadImageFile(const QString &path);

// The top-left width x height cells, dark cells black.
QImage ImageOfCells(const SpriteGrid &cells, int width, int height);

} // namespace vexil::tools
