// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/KeypadStyle.h"

#include "tibasic/ui/TokenTextEdit.h"

#include <QPushButton>

namespace vexil::tibasic::ui {

void SetBlackBackground(QWidget &widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QPushButton *MakeChoiceButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setFont(TokenTextFont());
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

void SetChoiceColour(QPushButton &button, const QColor &colour)
{
    button.setProperty("choiceColour", colour);
    button.setStyleSheet(QStringLiteral("QPushButton { color: %1; background: transparent; border: "
                                        "1px solid transparent; text-align: left; padding: 1px "
                                        "4px; } QPushButton:hover { background: #262626; } "
                                        "QPushButton:focus { border: 1px dotted #808080; }")
                             .arg(colour.name()));
}

} // namespace vexil::tibasic::ui
