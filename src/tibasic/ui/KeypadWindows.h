// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad windows of the main window: both keypads, the token menu window and
// the catalog, created once and kept for the whole run. At most one keypad shows
// at a time, the one of the current calculator model; when the model changes, a
// keypad on screen is swapped for the other at the same place.
//
// LINK (2nd X,T,theta) opens what setLinkManagerOpener names (the main window's
// Link Manager) and beeps while nothing is named.
#pragma once

#include "varfile/CalcModel.h"

#include <QObject>

#include <functional>

class QWidget;

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::tibasic::ui {

class TfrmCatalog;
class TfrmKeypad;
class TfrmKeypad82;
class TfrmKeypad83;
class TfrmKeypadMenu;

using varfile::CalcModel;

class KeypadWindows : public QObject {
    Q_OBJECT
public:
    // The windows float above `mainWindow`.
    KeypadWindows(uibase::MainFrame &frame, QWidget *mainWindow);

    TfrmKeypad &keypad(CalcModel model) const;
    TfrmKeypadMenu &menu() const { return *menu_; }
    TfrmCatalog &catalog() const { return *catalog_; }

    bool isKeypadShown() const;
    // Shows the model's keypad, in the place of the other one when that is shown.
    void showKeypad(CalcModel model);
    void hideKeypad();
    // The calculator model changed: a keypad on screen becomes the model's.
    void followModel(CalcModel model);

    void setLinkManagerOpener(std::function<void()> open);

signals:
    // The user closed the keypad on screen.
    void keypadClosed();

private:
    TfrmKeypadMenu *menu_;
    TfrmCatalog *catalog_;
    TfrmKeypad82 *keypad82_;
    TfrmKeypad83 *keypad83_;
    bool placed_ = false;
};

} // namespace vexil::tibasic::ui
