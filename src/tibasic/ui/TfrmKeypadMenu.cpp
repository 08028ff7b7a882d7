// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmKeypadMenu.h"

#include "tibasic/ui/KeypadStyle.h"
#include "tibasic/ui/TokenInsertion.h"
#include "tibasic/ui/TokenTextEdit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vexil::tibasic::ui {

TfrmKeypadMenu::TfrmKeypadMenu(uibase::MainFrame &frame, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), frame_(frame)
{
    setObjectName(QStringLiteral("frmKeypadMenu"));
    SetBlackBackground(*this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(1);
    auto *tabRow = new QHBoxLayout;
    tabRow->setSpacing(8);
    for (std::size_t i = 0; i < kMaxMenuTabs; ++i) {
        auto *tab = MakeChoiceButton(this);
        connect(tab, &QPushButton::clicked, this, [this, i] { selectTab(static_cast<int>(i)); });
        tabRow->addWidget(tab);
        tabs_.push_back(tab);
    }
    tabRow->addStretch();
    layout->addLayout(tabRow);
    layout->addSpacing(4);
    for (std::size_t i = 0; i < kMaxMenuEntries; ++i) {
        auto *entry = MakeChoiceButton(this);
        SetChoiceColour(*entry, Qt::white);
        connect(entry, &QPushButton::clicked, this,
                [this, i] { chooseEntry(static_cast<int>(i)); });
        layout->addWidget(entry);
        entries_.push_back(entry);
    }
    layout->addStretch();
}

void TfrmKeypadMenu::ShowMenu(CalcModel model, const TokenMenu &menu, const QRect &anchor)
{
    menu_ = &menu;
    model_ = model;
    pending_ = 0;
    anchor_ = anchor;
    setWindowTitle(QString::fromStdString(menu.title));
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        const bool used = i < menu.tabs.size();
        tabs_[i]->setVisible(used);
        if (used) {
            tabs_[i]->setText(FromEightBit(menu.tabs[i].caption));
        }
    }
    selectTab(0);
    show();
    place(anchor);
    raise();
    activateWindow();
}

void TfrmKeypadMenu::selectTab(int tab)
{
    if (menu_ == nullptr || tab < 0 || static_cast<std::size_t>(tab) >= menu_->tabs.size()) {
        return;
    }
    tab_ = tab;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        SetChoiceColour(*tabs_[i], static_cast<int>(i) == tab ? kChosenColour : kOtherColour);
    }
    const std::vector<MenuEntry> &entries = menu_->tabs[static_cast<std::size_t>(tab)].entries;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const bool used = i < entries.size();
        entries_[i]->setVisible(used);
        if (used) {
            entries_[i]->setText(FromEightBit(entries[i].text));
        }
    }
    adjustSize();
}

void TfrmKeypadMenu::chooseEntry(int entry)
{
    if (menu_ == nullptr) {
        return;
    }
    const std::vector<MenuEntry> &entries = menu_->tabs[static_cast<std::size_t>(tab_)].entries;
    if (entry < 0 || static_cast<std::size_t>(entry) >= entries.size()) {
        return;
    }
    const MenuEntry &chosen = entries[static_cast<std::size_t>(entry)];
    hide();
    if (chosen.submenu) {
        pending_ =
            CategorySelection(static_cast<std::size_t>(tab_), static_cast<std::size_t>(entry));
        QTimer::singleShot(0, this, &TfrmKeypadMenu::openPendingCategory);
        return;
    }
    InsertToken(frame_, model_, chosen.text);
}

std::vector<QPushButton *> TfrmKeypadMenu::entryButtons() const
{
    std::vector<QPushButton *> visible;
    if (menu_ != nullptr) {
        const std::size_t count = menu_->tabs[static_cast<std::size_t>(tab_)].entries.size();
        visible.assign(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(count));
    }
    return visible;
}

void TfrmKeypadMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmKeypadMenu::openPendingCategory()
{
    if (pending_ == 0 || menu_ == nullptr || isVisible()) {
        return;
    }
    const MenuEntry *category = SelectedEntry(*menu_, pending_);
    pending_ = 0;
    const TokenMenu *submenu = category != nullptr && category->submenu
                                   ? FindTokenMenu(model_, *category->submenu)
                                   : nullptr;
    if (submenu != nullptr) {
        ShowMenu(model_, *submenu, anchor_);
    }
}

void TfrmKeypadMenu::place(const QRect &anchor)
{
    if (anchor.isNull()) {
        return;
    }
    const QSize size = frameGeometry().size();
    const QScreen *screen = QGuiApplication::screenAt(anchor.center());
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    QPoint at(anchor.right() + 8, anchor.top());
    if (!room.isNull() && at.x() + size.width() > room.right()) {
        at.setX(std::max(room.left(), anchor.left() - size.width() - 8));
    }
    move(at);
}

} // namespace vexil::tibasic::ui
