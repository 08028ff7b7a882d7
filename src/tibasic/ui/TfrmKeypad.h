// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen keypads: a drawn copy of each calculator's keyboard that types the
// tokens of its keys into the current editor, opens the token menus, and keeps the
// 2nd, ALPHA and A-LOCK state. While the keypad window has the focus, the PC keys
// that match calculator keys press them (digits, arithmetic, Enter; letters as
// with ALPHA). Closing a keypad only hides it.
#pragma once

#include "tibasic/Keypad.h"

#include <QWidget>

#include <functional>

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::tibasic::ui {

class KeypadFace;
class TfrmKeypadMenu;

class TfrmKeypad : public QWidget {
    Q_OBJECT
public:
    TfrmKeypad(uibase::MainFrame &frame, CalcModel model, TfrmKeypadMenu &menu,
               QWidget *parent = nullptr);

    CalcModel model() const { return model_; }
    const KeypadState &state() const { return state_; }
    KeypadFace &face() const { return *face_; }

    // The actions that leave the keypad: LINK and, on the TI-83, CATALOG.
    void setLinkManagerOpener(std::function<void()> open) { openLinkManager_ = std::move(open); }
    void setCatalogOpener(std::function<void()> open) { openCatalog_ = std::move(open); }

    void pressKey(int tag);
    void clickCaption(int tag, KeyLayer layer);

signals:
    // The user closed the keypad (its close box, OFF); a mode change hides it quietly.
    void closedByUser();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void perform(const KeyAction &action);
    // The key a typed character stands for, and the layer it is typed on.
    bool typeCharacter(const QString &text);

    uibase::MainFrame &frame_;
    CalcModel model_;
    TfrmKeypadMenu &menu_;
    KeypadFace *face_;
    KeypadState state_;
    std::function<void()> openLinkManager_;
    std::function<void()> openCatalog_;
};

class TfrmKeypad82 : public TfrmKeypad {
    Q_OBJECT
public:
    TfrmKeypad82(uibase::MainFrame &frame, TfrmKeypadMenu &menu, QWidget *parent = nullptr)
        : TfrmKeypad(frame, CalcModel::TI82, menu, parent)
    {
    }
};

class TfrmKeypad83 : public TfrmKeypad {
    Q_OBJECT
public:
    TfrmKeypad83(uibase::MainFrame &frame, TfrmKeypadMenu &menu, QWidget *parent = nullptr)
        : TfrmKeypad(frame, CalcModel::TI83, menu, parent)
    {
    }
};

} // namespace vexil::tibasic::ui
