// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TSquare.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace vexil::app {

TSquare::TSquare(QWidget *parent) : QWidget(parent) {}

void TSquare::setBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    update();
}

void TSquare::setShadeStyle(Shade shade)
{
    shade_ = shade;
    update();
}

void TSquare::setShadeStart(const QColor &color)
{
    shadeStart_ = color;
    update();
}

void TSquare::setShadeEnd(const QColor &color)
{
    shadeEnd_ = color;
    update();
}

void TSquare::setBrush(const QBrush &brush)
{
    brush_ = brush;
    update();
}

void TSquare::setPen(const QPen &pen)
{
    pen_ = pen;
    update();
}

void TSquare::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The gradient runs edge to edge (not pixel centre to pixel centre) so that the
    // outermost pixels carry exactly the start and end colours.
    const QRectF area(rect());
    if (shade_ == Shade::None) {
        painter.fillRect(area, brush_);
    } else {
        const QPointF end = shade_ == Shade::Horizontal ? area.topRight()
                            : shade_ == Shade::Vertical ? area.bottomLeft()
                                                        : area.bottomRight();
        QLinearGradient gradient(area.topLeft(), end);
        gradient.setColorAt(0, shadeStart_);
        gradient.setColorAt(1, shadeEnd_);
        painter.fillRect(area, gradient);
    }

    // A zero-width QPen would still draw a one-pixel cosmetic line; zero means none.
    if (borderWidth_ == 0 || pen_.style() == Qt::NoPen) {
        return;
    }
    QPen border = pen_;
    border.setWidth(borderWidth_);
    border.setJoinStyle(Qt::MiterJoin);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    // The stroke straddles its path, so inset by half the width to keep the whole
    // border inside the widget; antialiasing keeps odd widths on pixel boundaries.
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = borderWidth_ / 2.0;
    painter.drawRect(area.adjusted(half, half, -half, -half));
}

} // namespace vexil::app
