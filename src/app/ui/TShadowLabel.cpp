// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TShadowLabel.h"

#include <QPainter>

#include <cstdlib>

namespace vexil::app {

TShadowLabel::TShadowLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    // The painting below draws the text itself and knows nothing of markup.
    setTextFormat(Qt::PlainText);
}

void TShadowLabel::setShadowColor(const QColor &color)
{
    shadowColor_ = color;
    update();
}

void TShadowLabel::setShadowOffsetX(int offset)
{
    offsetX_ = offset;
    updateGeometry();
    update();
}

void TShadowLabel::setShadowOffsetY(int offset)
{
    offsetY_ = offset;
    updateGeometry();
    update();
}

QSize TShadowLabel::shadowExtent() const
{
    return {std::abs(offsetX_), std::abs(offsetY_)};
}

QSize TShadowLabel::sizeHint() const
{
    return QLabel::sizeHint() + shadowExtent();
}

QSize TShadowLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint() + shadowExtent();
}

void TShadowLabel::paintEvent(QPaintEvent *)
{
    // Both copies must fit, so the text is laid out in the contents less the room
    // the shadow takes on its side.
    const QRect area = contentsRect().adjusted(std::max(0, -offsetX_), std::max(0, -offsetY_),
                                               -std::max(0, offsetX_), -std::max(0, offsetY_));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(shadowColor_);
    painter.drawText(area.translated(offsetX_, offsetY_), flags, text());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(area, flags, text());
}

} // namespace vexil::app
