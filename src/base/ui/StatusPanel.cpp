// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/StatusPanel.h"

#include <QPainter>

namespace vexil::uibase {
namespace {
constexpr int kTextIndent = 4;
}

StatusPanel::StatusPanel(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void StatusPanel::setText(const QString &text)
{
    text_ = text;
    update();
}

void StatusPanel::setBold(bool bold)
{
    bold_ = bold;
    update();
}

void StatusPanel::setColor(const QColor &color)
{
    color_ = color;
    update();
}

void StatusPanel::showPlain(const QString &text)
{
    text_ = text;
    bold_ = false;
    color_ = Qt::black;
    update();
}

QSize StatusPanel::sizeHint() const
{
    return {200, fontMetrics().height() + 4};
}

void StatusPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setBold(bold_);
    painter.setFont(font);
    painter.setPen(color_);
    const QRect area = rect().adjusted(kTextIndent, 0, 0, 0);
    const QString shown = QFontMetrics(font).elidedText(text_, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

} // namespace vexil::uibase
