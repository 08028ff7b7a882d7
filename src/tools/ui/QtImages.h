// SPDX-License-Identifier: GPL-3.0-or-later
// Between Qt's pictures and the core's: the windows read pictures with Qt (every
// format it knows) and hand the pixels to the same code vexil-cli uses.
#pragma once

#include "tools/Sprite.h"
#include "tools/SpriteImage.h"

#include <QImage>

namespace vexil::tools {

RgbaImage RgbaOfImage(const QImage &picture);

// The top-left width x height cells, dark cells black.
QImage ImageOfCells(const SpriteGrid &cells, int width, int height);

} // namespace vexil::tools
