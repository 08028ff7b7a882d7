// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/PacketLogView.h"

#include "tools/CalculatorFont.h"

#include <QPainter>
#include <QScrollBar>

namespace vexil::link::ui {
namespace {

constexpr int kScale = 2;
constexpr int kCellWidth = tools::kLargeGlyphWidth * kScale;
constexpr int kCellHeight = tools::kLargeGlyphHeight * kScale;
constexpr int kMargin = 4;

} // namespace

PacketLogView::PacketLogView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(kCellHeight);
}

void PacketLogView::setModel(varfile::CalcModel model)
{
    model_ = model;
    viewport()->update();
}

void PacketLogView::appendLine(const std::string &line)
{
    lines_.push_back(line);
    updateScrollRange();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void PacketLogView::clear()
{
    lines_.clear();
    updateScrollRange();
    viewport()->update();
}

int PacketLogView::columns() const
{
    return std::max(1, (viewport()->width() - 2 * kMargin) / kCellWidth);
}

int PacketLogView::wrappedRows() const
{
    int rows = 0;
    for (const std::string &line : lines_) {
        rows += std::max(1, (static_cast<int>(line.size()) + columns() - 1) / columns());
    }
    return rows;
}

void PacketLogView::updateScrollRange()
{
    const int height = wrappedRows() * kCellHeight + 2 * kMargin;
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
}

void PacketLogView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void PacketLogView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QColor ink = palette().color(QPalette::Text);
    const int width = columns();
    int y = kMargin - verticalScrollBar()->value();
    for (const std::string &line : lines_) {
        for (std::size_t start = 0; start == 0 || start < line.size();
             start += static_cast<std::size_t>(width)) {
            if (y + kCellHeight >= 0 && y < viewport()->height()) {
                const std::size_t end =
                    std::min(line.size(), start + static_cast<std::size_t>(width));
                for (std::size_t i = start; i < end; ++i) {
                    const tools::Glyph glyph = tools::CalculatorGlyph(
                        model_, tools::CalculatorFont::Large, static_cast<std::uint8_t>(line[i]));
                    const int x = kMargin + static_cast<int>(i - start) * kCellWidth;
                    for (int gy = 0; gy < glyph.height(); ++gy) {
                        for (int gx = 0; gx < glyph.width(); ++gx) {
                            if (glyph.ink(gx, gy)) {
                                painter.fillRect(x + gx * kScale, y + gy * kScale, kScale, kScale,
                                                 ink);
                            }
                        }
                    }
                }
            }
            y += kCellHeight;
        }
    }
}

} // namespace vexil::link::ui
