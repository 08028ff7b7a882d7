// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/CalculatorPicture.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLinearGradient>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

namespace vexil::link::ui {

namespace {

// The drawing is made on a 200 x 420 canvas and scaled to the widget.
constexpr qreal kCanvasWidth = 200;
constexpr qreal kCanvasHeight = 420;
constexpr qreal kKeyWidth = 28;
constexpr qreal kKeyHeight = 16;
constexpr qreal kColumnStep = 34;
constexpr qreal kLeft = 18;

struct Colours {
    QColor bodyTop;
    QColor bodyBottom;
    QColor second; // the 2nd key
    QColor alpha;  // the ALPHA key
};

Colours ColoursOf(varfile::CalcModel model)
{
    if (model == varfile::CalcModel::TI82) {
        return {QColor(0x4A, 0x52, 0x66), QColor(0x2B, 0x30, 0x3C), QColor(0x4E, 0x9C, 0xDB),
                QColor(0x5E, 0xB5, 0x6A)};
    }
    return {QColor(0x4B, 0x4D, 0x53), QColor(0x26, 0x27, 0x2B), QColor(0x7A, 0xB8, 0xEC),
            QColor(0x86, 0xC4, 0x7E)};
}

void PaintKey(QPainter &painter, const QRectF &key, const QColor &colour)
{
    painter.setPen(QPen(colour.darker(170), 1));
    QLinearGradient shade(key.topLeft(), key.bottomLeft());
    shade.setColorAt(0, colour.lighter(125));
    shade.setColorAt(1, colour);
    painter.setBrush(shade);
    painter.drawRoundedRect(key, 4, 4);
}

} // namespace

CalculatorPicture::CalculatorPicture(varfile::CalcModel model, QWidget *parent)
    : QWidget(parent), model_(model)
{
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setMinimumSize(150, 315);
}

QSize CalculatorPicture::sizeHint() const
{
    return QSize(static_cast<int>(kCanvasWidth), static_cast<int>(kCanvasHeight));
}

QStringList CalculatorPicture::DraggedFiles(const QMimeData *data)
{
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty() || QFileInfo(path).isDir()) {
            return {};
        }
        files.append(path);
    }
    return files;
}

void CalculatorPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(width() / kCanvasWidth, height() / kCanvasHeight);
    painter.translate((width() - kCanvasWidth * scale) / 2, (height() - kCanvasHeight * scale) / 2);
    painter.scale(scale, scale);
    paintBody(painter, QRectF(1, 1, kCanvasWidth - 2, kCanvasHeight - 2));
    paintScreen(painter, QRectF(kLeft, 40, kCanvasWidth - 2 * kLeft, 116));
    paintKeys(painter, QRectF(kLeft, 168, kCanvasWidth - 2 * kLeft, 240));
}

void CalculatorPicture::paintBody(QPainter &painter, const QRectF &body) const
{
    const Colours colours = ColoursOf(model_);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0, colours.bodyTop);
    shade.setColorAt(1, colours.bodyBottom);
    // Files over the calculator light up its edge: letting go sends them.
    painter.setPen(dragOver_ ? QPen(QColor(0x4F, 0xC3, 0xF7), 3) : QPen(Qt::black, 1.5));
    painter.setBrush(shade);
    painter.drawRoundedRect(body, 22, 22);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0xE8, 0xE8, 0xE8));
    painter.drawText(QPointF(kLeft + 2, 28), model_ == varfile::CalcModel::TI82
                                                 ? QStringLiteral("TI-82")
                                                 : QStringLiteral("TI-83"));
}

void CalculatorPicture::paintScreen(QPainter &painter, const QRectF &screen) const
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1C, 0x1F, 0x24));
    painter.drawRoundedRect(screen, 8, 8);
    const QRectF lcd = screen.adjusted(10, 10, -10, -10);
    const QColor glass(0xA9, 0xB6, 0x98);
    painter.setBrush(glass);
    painter.drawRect(lcd);

    // The calculator's LINK menu: SEND picked out while files are over it,
    // RECEIVE (what a click does) otherwise.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(11);
    painter.setFont(font);
    const QColor ink(0x24, 0x29, 0x20);
    const QRectF send(lcd.left() + 4, lcd.top() + 4, 34, 14);
    const QRectF receive(send.right() + 8, send.top(), 56, 14);
    const QRectF active = dragOver_ ? send : receive;
    painter.fillRect(active, ink);
    for (const auto &[box, text] :
         {std::pair{send, QStringLiteral("SEND")}, std::pair{receive, QStringLiteral("RECEIVE")}}) {
        painter.setPen(box == active ? glass : ink);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.setPen(ink);
    painter.drawText(QPointF(lcd.left() + 6, receive.bottom() + 16),
                     dragOver_ ? QStringLiteral("1:All...") : QStringLiteral("1:Receive"));
}

void CalculatorPicture::paintKeys(QPainter &painter, const QRectF &area) const
{
    const Colours colours = ColoursOf(model_);
    const QColor dark(0x33, 0x35, 0x3A);
    const QColor grey(0x9A, 0x9E, 0xA6);
    const QColor light(0xD6, 0xD8, 0xDC);
    auto key = [&](int column, qreal top) {
        return QRectF(area.left() + column * kColumnStep, top, kKeyWidth, kKeyHeight);
    };

    // The five keys under the screen, a little flatter than the others.
    for (int column = 0; column < 5; ++column) {
        PaintKey(painter, key(column, area.top()).adjusted(0, 2, 0, -2), light);
    }
    // 2nd, MODE, DEL over ALPHA, X,T,theta, STAT, beside the arrow pad.
    const qreal upper = area.top() + 26;
    const QColor upperColours[2][3] = {{colours.second, dark, dark}, {colours.alpha, dark, dark}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            PaintKey(painter, key(column, upper + row * 24), upperColours[row][column]);
        }
    }
    const QPointF pad(area.right() - 26, upper + 20);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(grey);
    painter.drawEllipse(pad, 24, 24);
    painter.setBrush(dark);
    for (int turn = 0; turn < 4; ++turn) {
        painter.save();
        painter.translate(pad);
        painter.rotate(90.0 * turn);
        painter.drawPolygon(QPolygonF({QPointF(0, -20), QPointF(-7, -11), QPointF(7, -11)}));
        painter.restore();
    }
    // Seven rows of five: digits in the lighter block, operators on the right.
    const qreal lower = upper + 58;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            const bool digit = row >= 3 && column >= 1 && column <= 3;
            const bool operation = column == 4;
            PaintKey(painter, key(column, lower + row * 22),
                     digit       ? light
                     : operation ? grey
                                 : dark);
        }
    }
}

void CalculatorPicture::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CalculatorPicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

void CalculatorPicture::dragEnterEvent(QDragEnterEvent *event)
{
    const QStringList files = DraggedFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    dragOver_ = true;
    update();
    emit dragEntered(static_cast<int>(files.size()));
}

void CalculatorPicture::dragLeaveEvent(QDragLeaveEvent *)
{
    dragOver_ = false;
    update();
    emit dragLeft();
}

void CalculatorPicture::dropEvent(QDropEvent *event)
{
    const QStringList files = DraggedFiles(event->mimeData());
    dragOver_ = false;
    update();
    emit dragLeft();
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit dropped(files);
}

} // namespace vexil::link::ui
