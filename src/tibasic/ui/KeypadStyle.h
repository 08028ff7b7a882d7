// SPDX-License-Identifier: GPL-3.0-or-later
// The look the token menus and the catalog share: token text on black, the chosen
// tab or letter in blue and the others in yellow.
#pragma once

#include <QColor>

class QPushButton;
class QWidget;

namespace vexil::tibasic::ui {

// A blue light enough to read on black.
inline const QColor kChosenColour(0x40, 0x80, 0xFF);
inline const QColor kOtherColour(255, 224, 0);

void SetBlackBackground(QWidget &widget);

// A flat button showing token text, left-aligned.
QPushButton *MakeChoiceButton(QWidget *parent);
void SetChoiceColour(QPushButton &button, const QColor &colour);

} // namespace vexil::tibasic::ui
