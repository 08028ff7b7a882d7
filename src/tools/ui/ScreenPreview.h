// SPDX-License-Identifier: GPL-3.0-or-later
// The Image Converter's working image, 96 x 64 cells drawn enlarged. For a picture
// only the part the calculator shows is drawn in black and white; the column and
// row it never shows are dimmed.
#pragma once

#include "tools/Sprite.h"

#include <QWidget>

namespace vexil::tools {

class ScreenPreview : public QWidget {
    Q_OBJECT
public:
    explicit ScreenPreview(QWidget *parent = nullptr);

    void setCells(const SpriteGrid &cells);
    const SpriteGrid &cells() const { return cells_; }
    // The cells the calculator shows, from the top-left corner.
    void setShownArea(int width, int height);
    QSize shownArea() const { return shown_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SpriteGrid cells_;
    QSize shown_{kSpriteColumns, kSpriteRows};
};

} // namespace vexil::tools
