// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TModalBevel.h"

#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

namespace vexil::app {

TModalBevel::TModalBevel(QWidget *parent) : QFrame(parent)
{
    // QFrame keeps the contents clear of a Panel's line width; the drawing is ours.
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void TModalBevel::setBorderWidth(int width)
{
    setLineWidth(std::max(0, width));
    update();
}

void TModalBevel::setBevelStyle(Bevel bevel)
{
    bevel_ = bevel;
    setFrameShadow(bevel == Bevel::Lowered ? QFrame::Sunken : QFrame::Raised);
    update();
}

void TModalBevel::paintEvent(QPaintEvent *)
{
    // Qt leaves a Panel's look to the widget style, and some styles draw it flat or
    // rounded; the bevel is the point of this widget, so it is drawn here directly.
    if (lineWidth() == 0) {
        return;
    }
    QPainter painter(this);
    qDrawShadePanel(&painter, frameRect(), palette(), bevel_ == Bevel::Lowered, lineWidth());
}

} // namespace vexil::app
