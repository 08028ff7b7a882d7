// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-83 catalog: a button for each first letter (the chosen one blue, the
// others yellow) and the list of that letter's tokens. Double-clicking a token, or
// Enter on it, types it through the TI-83 keypad. The window opens on "A".
#pragma once

#include <QWidget>

#include <vector>

class QListWidget;
class QPushButton;

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::tibasic::ui {

class TfrmCatalog : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCatalog(uibase::MainFrame &frame, QWidget *parent = nullptr);

    // Shows the catalog on its first letter, beside `anchor` (the keypad's frame) the
    // first time.
    void showCatalog(const QRect &anchor = {});
    void chooseLetter(int index);
    void insertEntry(int row);

    int currentLetter() const { return letter_; }
    const std::vector<QPushButton *> &letterButtons() const { return buttons_; }
    QListWidget *list() const { return list_; }

private:
    uibase::MainFrame &frame_;
    std::vector<QPushButton *> buttons_;
    QListWidget *list_;
    int letter_ = 0;
    bool placed_ = false;
};

} // namespace vexil::tibasic::ui
