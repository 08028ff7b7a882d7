// SPDX-License-Identifier: GPL-3.0-or-later
// The token menu window the keypads share: the menu's title as caption, its tabs
// along the top (the chosen one blue, the others yellow) and the chosen tab's
// entries below, on black, above every other window. Choosing an entry closes the
// menu and types the token through the keypad that opened it. A VARS category is
// kept as the pending selection (100 x tab + entry) until the menu has gone, and
// then its own menu opens.
#pragma once

#include "tibasic/TokenMenus.h"

#include <QWidget>

#include <vector>

class QPushButton;

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::tibasic::ui {

class TfrmKeypadMenu : public QWidget {
    Q_OBJECT
public:
    explicit TfrmKeypadMenu(uibase::MainFrame &frame, QWidget *parent = nullptr);

    // Opens `menu` of the keypad of `model` on its first tab, beside `anchor` (the
    // keypad's frame) where the screen has room.
    void ShowMenu(CalcModel model, const TokenMenu &menu, const QRect &anchor = {});

    void selectTab(int tab);
    void chooseEntry(int entry);

    const TokenMenu *menu() const { return menu_; }
    CalcModel model() const { return model_; }
    int currentTab() const { return tab_; }
    int pendingSelection() const { return pending_; }
    const std::vector<QPushButton *> &tabButtons() const { return tabs_; }
    // The visible entry buttons of the current tab.
    std::vector<QPushButton *> entryButtons() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openPendingCategory();
    void place(const QRect &anchor);

    uibase::MainFrame &frame_;
    const TokenMenu *menu_ = nullptr;
    CalcModel model_ = CalcModel::TI83;
    int tab_ = 0;
    int pending_ = 0;
    QRect anchor_;
    std::vector<QPushButton *> tabs_;
    std::vector<QPushButton *> entries_;
};

} // namespace vexil::tibasic::ui
