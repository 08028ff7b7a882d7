// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/SpritePreview.h"

#include <QPainter>

namespace vexil::tools {

SpritePreview::SpritePreview(const Sprite &sprite, QWidget *parent)
    : QWidget(parent), sprite_(sprite)
{
    setMinimumSize(kSpriteColumns + 8, kSpriteRows + 8);
}

QSize SpritePreview::sizeHint() const
{
    return {kSpriteColumns + 16, kSpriteRows + 16};
}

QPoint SpritePreview::origin() const
{
    return {(width() - sprite_.width) / 2, (height() - sprite_.height) / 2};
}

void SpritePreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPoint at = origin();
    painter.fillRect(QRect(at, QSize(sprite_.width, sprite_.height)), Qt::white);
    for (int y = 0; y < sprite_.height; ++y) {
        for (int x = 0; x < sprite_.width; ++x) {
            if (sprite_.cells.at(x, y)) {
                painter.fillRect(at.x() + x, at.y() + y, 1, 1, Qt::black);
            }
        }
    }
}

} // namespace vexil::tools
