// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ScreenPreview.h"

#include <QPainter>

namespace vexil::tools {
namespace {

constexpr int kZoom = 3;
constexpr int kBorder = 1;

} // namespace

ScreenPreview::ScreenPreview(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ScreenPreview::setCells(const SpriteGrid &cells)
{
    cells_ = cells;
    update();
}

void ScreenPreview::setShownArea(int width, int height)
{
    shown_ = QSize(width, height);
    update();
}

QSize ScreenPreview::sizeHint() const
{
    return {kSpriteColumns * kZoom + 2 * kBorder, kSpriteRows * kZoom + 2 * kBorder};
}

void ScreenPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QColor light(Qt::white);
    const QColor dark(Qt::black);
    const QColor lightDimmed(0xC8, 0xC8, 0xC8);
    const QColor darkDimmed(0x70, 0x70, 0x70);
    for (int y = 0; y < kSpriteRows; ++y) {
        for (int x = 0; x < kSpriteColumns; ++x) {
            const bool shown = x < shown_.width() && y < shown_.height();
            const bool on = cells_.at(x, y);
            const QColor &colour = shown ? (on ? dark : light) : (on ? darkDimmed : lightDimmed);
            painter.fillRect(kBorder + x * kZoom, kBorder + y * kZoom, kZoom, kZoom, colour);
        }
    }
}

} // namespace vexil::tools
