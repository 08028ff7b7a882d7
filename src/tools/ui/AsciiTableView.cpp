// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/AsciiTableView.h"

#include "tools/CharsetTable.h"

#include <QMouseEvent>
#include <QPainter>

namespace vexil::tools {
namespace {

std::size_t PictureIndex(varfile::CalcModel model, CalculatorFont font)
{
    return (model == varfile::CalcModel::TI83 ? 2 : 0) + (font == CalculatorFont::Small ? 1 : 0);
}

QImage IndexedPicture(const TablePicture &table)
{
    QImage image(kTableSize, kTableSize, QImage::Format_Indexed8);
    image.setColorCount(4);
    for (int y = 0; y < kTableSize; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < kTableSize; ++x) {
            line[x] = static_cast<uchar>(table.at(x, y));
        }
    }
    return image;
}

} // namespace

AsciiTableView::AsciiTableView(QWidget *parent) : QWidget(parent)
{
    for (auto model : {varfile::CalcModel::TI82, varfile::CalcModel::TI83}) {
        for (auto font : {CalculatorFont::Large, CalculatorFont::Small}) {
            pictures_[PictureIndex(model, font)] = IndexedPicture(RenderCharsetTable(model, font));
        }
    }
    setFixedSize(kTableSize, kTableSize);
    setMouseTracking(true);
    setToolTip(tr("Click a character to copy its code, double-click to type it into the "
                  "source window."));
}

void AsciiTableView::showTable(varfile::CalcModel model, CalculatorFont font)
{
    model_ = model;
    font_ = font;
    update();
}

QImage AsciiTableView::currentPicture() const
{
    // The picture's four colours become the system's: ink the button text, white the
    // button highlight, grey the button shadow and silver the button face.
    QImage picture = pictures_[PictureIndex(model_, font_)];
    const QPalette &colours = palette();
    picture.setColorTable(
        {colours.color(QPalette::ButtonText).rgb(), colours.color(QPalette::Light).rgb(),
         colours.color(QPalette::Dark).rgb(), colours.color(QPalette::Button).rgb()});
    return picture;
}

void AsciiTableView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, currentPicture());
}

void AsciiTableView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit hovered(CodeAtTablePoint(at.x(), at.y()));
}

void AsciiTableView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (const auto code = CodeAtTablePoint(at.x(), at.y());
        code && event->button() == Qt::LeftButton) {
        emit clicked(*code);
    }
}

void AsciiTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (const auto code = CodeAtTablePoint(at.x(), at.y());
        code && event->button() == Qt::LeftButton) {
        emit doubleClicked(*code);
    }
}

} // namespace vexil::tools
