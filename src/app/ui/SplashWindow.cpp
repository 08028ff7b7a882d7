// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SplashWindow.h"

#include "app/ui/TShadowLabel.h"
#include "app/ui/TSquare.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace vexil::app {
namespace {

QLabel *CaptionLine(QLabel *label, int pointSize, const QColor &color, int height)
{
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(height);
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);

    auto *background = new TSquare(this);
    background->setShadeStyle(TSquare::Shade::Diagonal);
    background->setShadeStart(QColor(0x10, 0x2A, 0x6B));
    background->setShadeEnd(QColor(0x2E, 0x7D, 0xC4));
    background->setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 90)));
    background->setBorderWidth(2);

    auto *title = new TShadowLabel(QStringLiteral("Vexil Assembler"), background);
    title->setShadowColor(QColor(0, 0, 0, 110));
    title->setShadowOffsetX(2);
    title->setShadowOffsetY(2);
    CaptionLine(title, 26, Qt::white, 60);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    const QColor lineColor(0xDD, 0xE8, 0xFF);
    auto *subtitle =
        CaptionLine(new QLabel(tr("Z80 development for the TI-82 and TI-83")), 11, lineColor, 24);
    auto *version = CaptionLine(
        new QLabel(tr("Version %1 \u2014 starting...").arg(QApplication::applicationVersion())), 11,
        lineColor, 24);

    auto *lines = new QVBoxLayout(background);
    lines->setContentsMargins(0, 60, 0, 20);
    lines->setSpacing(0);
    lines->addWidget(title);
    lines->addWidget(subtitle);
    lines->addStretch();
    lines->addWidget(version);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(background);

    resize(460, 250);
    if (QScreen *screen = QApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

} // namespace vexil::app
