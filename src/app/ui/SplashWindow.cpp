// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SplashWindow.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace vexil::app {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(460, 250);
    if (QScreen *screen = QApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(rect().topLeft(), rect().bottomRight());
    shade.setColorAt(0, QColor(0x10, 0x2A, 0x6B));
    shade.setColorAt(1, QColor(0x2E, 0x7D, 0xC4));
    painter.fillRect(rect(), shade);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 90), 2));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));

    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    painter.setFont(title);
    const QRect titleArea(0, 60, width(), 60);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(titleArea.translated(2, 2), Qt::AlignCenter,
                     QStringLiteral("Vexil Assembler"));
    painter.setPen(Qt::white);
    painter.drawText(titleArea, Qt::AlignCenter, QStringLiteral("Vexil Assembler"));

    QFont line = font();
    line.setPointSize(11);
    painter.setFont(line);
    painter.setPen(QColor(0xDD, 0xE8, 0xFF));
    painter.drawText(QRect(0, 120, width(), 24), Qt::AlignCenter,
                     tr("Z80 development for the TI-82 and TI-83"));
    painter.drawText(QRect(0, height() - 44, width(), 24), Qt::AlignCenter,
                     tr("Version %1 \u2014 starting...").arg(QApplication::applicationVersion()));
}

} // namespace vexil::app
