// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmCatalog.h"

#include "tibasic/Catalog.h"
#include "tibasic/ui/KeypadStyle.h"
#include "tibasic/ui/TokenInsertion.h"
#include "tibasic/ui/TokenTextEdit.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vexil::tibasic::ui {

namespace {

constexpr int kButtonsPerRow = 6;

} // namespace

TfrmCatalog::TfrmCatalog(uibase::MainFrame &frame, QWidget *parent)
    : QWidget(parent, Qt::Tool), frame_(frame), list_(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmCatalog"));
    setWindowTitle(QStringLiteral("TI-83 Catalog"));
    SetBlackBackground(*this);
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    const std::vector<CatalogLetter> &catalog = TI83Catalog();
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        auto *button = MakeChoiceButton(this);
        button->setText(QString::fromStdString(catalog[i].button));
        connect(button, &QPushButton::clicked, this,
                [this, i] { chooseLetter(static_cast<int>(i)); });
        grid->addWidget(button, static_cast<int>(i) / kButtonsPerRow,
                        static_cast<int>(i) % kButtonsPerRow);
        buttons_.push_back(button);
    }
    layout->addLayout(grid);
    list_->setFont(TokenTextFont());
    list_->setStyleSheet(
        QStringLiteral("QListWidget { background: black; color: white; border: 1px "
                       "solid #404040; } QListWidget::item:selected { "
                       "background: #303030; color: white; }"));
    layout->addWidget(list_, 1);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { insertEntry(list_->row(item)); });
    resize(300, 420);
    chooseLetter(0);
}

void TfrmCatalog::showCatalog(const QRect &anchor)
{
    chooseLetter(0);
    if (!placed_ && !anchor.isNull()) {
        move(std::max(0, anchor.left() - width() - 8), anchor.top());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void TfrmCatalog::chooseLetter(int index)
{
    const std::vector<CatalogLetter> &catalog = TI83Catalog();
    if (index < 0 || static_cast<std::size_t>(index) >= catalog.size()) {
        return;
    }
    letter_ = index;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        SetChoiceColour(*buttons_[i], static_cast<int>(i) == index ? kChosenColour : kOtherColour);
    }
    list_->clear();
    for (const std::string &entry : catalog[static_cast<std::size_t>(index)].entries) {
        list_->addItem(FromEightBit(entry));
    }
    list_->setCurrentRow(0);
}

void TfrmCatalog::insertEntry(int row)
{
    const std::vector<std::string> &entries =
        TI83Catalog()[static_cast<std::size_t>(letter_)].entries;
    if (row >= 0 && static_cast<std::size_t>(row) < entries.size()) {
        InsertToken(frame_, CalcModel::TI83, entries[static_cast<std::size_t>(row)]);
    }
}

} // namespace vexil::tibasic::ui
