// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area of the Sprite Editor: the sprite's cells, zoom x zoom screen pixels
// each. The left button turns cells on, any other button turns them off; a drag
// changes every cell the pointer passes while it is inside the area.
#pragma once

#include "tools/Sprite.h"

#include <QWidget>

#include <optional>

namespace vexil::tools {

class SpriteCanvas : public QWidget {
    Q_OBJECT
public:
    SpriteCanvas(Sprite &sprite, QWidget *parent = nullptr);

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    // Call after the sprite's size changed.
    void sizeChanged();

signals:
    // A press begins a stroke; changes report the cells, and release ends it.
    void strokeStarted();
    void cellsChanged();
    void strokeFinished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Cell {
        int x;
        int y;
    };
    // The cell under a point of the area, none outside the sprite.
    std::optional<Cell> cellAt(const QPoint &point) const;
    // Sets the cells on the line from the last cell of the stroke to this one.
    void drawTo(Cell cell, bool on);

    Sprite &sprite_;
    int zoom_ = 4;
    std::optional<Cell> last_; // the previous cell of the stroke while inside the area
    bool drawing_ = false;
};

} // namespace vexil::tools
