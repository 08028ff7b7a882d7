// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/SpriteCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace vexil::tools {
namespace {
// From this zoom on, a faint grid shows where the cells are.
constexpr int kGridZoom = 6;
} // namespace

SpriteCanvas::SpriteCanvas(Sprite &sprite, QWidget *parent) : QWidget(parent), sprite_(sprite)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    sizeChanged();
}

void SpriteCanvas::setZoom(int zoom)
{
    zoom_ = zoom;
    sizeChanged();
}

void SpriteCanvas::sizeChanged()
{
    setFixedSize(sprite_.width * zoom_, sprite_.height * zoom_);
    update();
}

void SpriteCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, Qt::white);
    const int firstX = dirty.left() / zoom_;
    const int lastX = std::min(sprite_.width - 1, dirty.right() / zoom_);
    const int firstY = dirty.top() / zoom_;
    const int lastY = std::min(sprite_.height - 1, dirty.bottom() / zoom_);
    for (int y = firstY; y <= lastY; ++y) {
        for (int x = firstX; x <= lastX; ++x) {
            if (sprite_.cells.at(x, y)) {
                painter.fillRect(x * zoom_, y * zoom_, zoom_, zoom_, Qt::black);
            }
        }
    }
    if (zoom_ >= kGridZoom) {
        painter.setPen(QColor(0xD8, 0xD8, 0xD8));
        for (int x = std::max(firstX, 1); x <= lastX; ++x) {
            painter.drawLine(x * zoom_, dirty.top(), x * zoom_, dirty.bottom());
        }
        for (int y = std::max(firstY, 1); y <= lastY; ++y) {
            painter.drawLine(dirty.left(), y * zoom_, dirty.right(), y * zoom_);
        }
    }
}

std::optional<SpriteCanvas::Cell> SpriteCanvas::cellAt(const QPoint &point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= sprite_.width * zoom_ ||
        point.y() >= sprite_.height * zoom_) {
        return std::nullopt;
    }
    return Cell{point.x() / zoom_, point.y() / zoom_};
}

void SpriteCanvas::drawTo(Cell cell, bool on)
{
    // Every cell on the line from the last one, so a quick drag leaves no gaps.
    const Cell from = last_.value_or(cell);
    const int steps = std::max(std::abs(cell.x - from.x), std::abs(cell.y - from.y));
    bool changed = false;
    for (int step = 0; step <= steps; ++step) {
        const int x = steps == 0 ? cell.x : from.x + (cell.x - from.x) * step / steps;
        const int y = steps == 0 ? cell.y : from.y + (cell.y - from.y) * step / steps;
        if (sprite_.cells.at(x, y) != on) {
            sprite_.cells.set(x, y, on);
            update(x * zoom_, y * zoom_, zoom_, zoom_);
            changed = true;
        }
    }
    last_ = cell;
    if (changed) {
        emit cellsChanged();
    }
}

void SpriteCanvas::mousePressEvent(QMouseEvent *event)
{
    const std::optional<Cell> cell = cellAt(event->position().toPoint());
    if (!cell || drawing_) {
        return;
    }
    drawing_ = true;
    last_.reset();
    emit strokeStarted();
    drawTo(*cell, event->button() == Qt::LeftButton);
}

void SpriteCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::MouseButtons held = event->buttons();
    if (!drawing_ || !(held & (Qt::LeftButton | Qt::RightButton))) {
        return;
    }
    const std::optional<Cell> cell = cellAt(event->position().toPoint());
    if (!cell) {
        // Outside the area nothing changes, and coming back starts a new line.
        last_.reset();
        return;
    }
    drawTo(*cell, (held & Qt::LeftButton) != 0);
}

void SpriteCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (drawing_ && event->buttons() == Qt::NoButton) {
        drawing_ = false;
        last_.reset();
        emit strokeFinished();
    }
}

} // namespace vexil::tools
