// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/KeypadWindows.h"

#include "tibasic/ui/TfrmCatalog.h"
#include "tibasic/ui/TfrmKeypad.h"
#include "tibasic/ui/TfrmKeypadMenu.h"

#include <algorithm>

namespace vexil::tibasic::ui {

KeypadWindows::KeypadWindows(uibase::MainFrame &frame, QWidget *mainWindow)
    : QObject(mainWindow), menu_(new TfrmKeypadMenu(frame, mainWindow)),
      catalog_(new TfrmCatalog(frame, mainWindow)),
      keypad82_(new TfrmKeypad82(frame, *menu_, mainWindow)),
      keypad83_(new TfrmKeypad83(frame, *menu_, mainWindow))
{
    keypad83_->setCatalogOpener([this] { catalog_->showCatalog(keypad83_->frameGeometry()); });
    for (TfrmKeypad *keypad :
         {static_cast<TfrmKeypad *>(keypad82_), static_cast<TfrmKeypad *>(keypad83_)}) {
        connect(keypad, &TfrmKeypad::closedByUser, this, &KeypadWindows::keypadClosed);
    }
}

TfrmKeypad &KeypadWindows::keypad(CalcModel model) const
{
    if (model == CalcModel::TI82) {
        return *keypad82_;
    }
    return *keypad83_;
}

bool KeypadWindows::isKeypadShown() const
{
    return keypad82_->isVisible() || keypad83_->isVisible();
}

void KeypadWindows::showKeypad(CalcModel model)
{
    TfrmKeypad &shown = keypad(model);
    TfrmKeypad &other = keypad(model == CalcModel::TI82 ? CalcModel::TI83 : CalcModel::TI82);
    if (other.isVisible()) {
        shown.setGeometry(other.geometry());
        other.hide();
    } else if (!placed_) {
        // The first time, along the right edge of the main window, clear of its menus.
        const QWidget *main = shown.parentWidget();
        if (main != nullptr) {
            const QRect frame = main->geometry();
            shown.move(std::max(frame.left(), frame.right() - shown.width() - 24),
                       frame.top() + 90);
            other.move(shown.pos());
        }
    }
    placed_ = true;
    shown.show();
    shown.raise();
}

void KeypadWindows::hideKeypad()
{
    keypad82_->hide();
    keypad83_->hide();
}

void KeypadWindows::followModel(CalcModel model)
{
    if (isKeypadShown()) {
        showKeypad(model);
    }
}

void KeypadWindows::setLinkManagerOpener(std::function<void()> open)
{
    keypad82_->setLinkManagerOpener(open);
    keypad83_->setLinkManagerOpener(std::move(open));
}

} // namespace vexil::tibasic::ui
