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

std::vector<std::size_t> PacketLogView::rowStarts(const std::string &line) const
{
    const auto width = static_cast<std::size_t>(columns());
    std::vector<std::size_t> starts{0};
    std::size_t start = 0;
    while (line.size() - start > width) {
        const std::size_t blank = line.rfind(' ', start + width - 1);
        start = blank != std::string::npos && blank >= start ? blank + 1 : start + width;
        starts.push_back(start);
    }
    return starts;
}

int PacketLogView::wrappedRows() const
{
    std::size_t rows = 0;
    for (const std::string &line : lines_) {
        rows += rowStarts(line).size();
    }
    return static_cast<int>(rows);
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
    int y = kMargin - verticalScrollBar()->value();
    for (const std::string &line : lines_) {
        const std::vector<std::size_t> starts = rowStarts(line);
        for (std::size_t row = 0; row < starts.size(); ++row, y += kCellHeight) {
            if (y + kCellHeight < 0 || y >= viewport()->height()) {
                continue;
            }
            const std::size_t end = row + 1 < starts.size() ? starts[row + 1] : line.size();
            for (std::size_t i = starts[row]; i < end; ++i) {
                const tools::Glyph glyph = tools::CalculatorGlyph(
                    model_, tools::CalculatorFont::Large, static_cast<std::uint8_t>(line[i]));
                const int x = kMargin + static_cast<int>(i - starts[row]) * kCellWidth;
                for (int gy = 0; gy < glyph.height(); ++gy) {
                    for (int gx = 0; gx < glyph.width(); ++gx) {
                        if (glyph.ink(gx, gy)) {
                            painter.fillRect(x + gx * kScale, y + gy * kScale, kScale, kScale, ink);
                        }
                    }
                }
            }
        }
    }
}

} // namespace vexil::link::ui
