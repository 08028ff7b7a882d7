// SPDX-License-Identifier: GPL-3.0-or-later
// The sprite at its real size, one screen pixel per cell, in the middle of the box.
#pragma once

#include "tools/Sprite.h"

#include <QWidget>

namespace vexil::tools {

class SpritePreview : public QWidget {
    Q_OBJECT
public:
    SpritePreview(const Sprite &sprite, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    // Where the sprite's top-left cell is drawn.
    QPoint origin() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Sprite &sprite_;
};

} // namespace vexil::tools
