// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/GdbStyleGrid.h"

#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/GdbVariable.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>

namespace vexil::vareditors {

namespace {

constexpr int kLabelColumn = 0;
constexpr int kStyleColumn = 1;
// Wide enough for "Shade Above"; the buttons need not span the window.
constexpr int kStyleWidth = 150;

QString StyleName(std::uint8_t code)
{
    const std::string_view name = vardata::StyleNames()[code];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

GdbStyleGrid::GdbStyleGrid(QWidget *parent) : QTableWidget(parent)
{
    setColumnCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(kLabelColumn, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kStyleColumn, QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    setColumnWidth(kStyleColumn, kStyleWidth);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
}

void GdbStyleGrid::setStyles(const std::vector<std::string> &labels,
                             const std::vector<std::uint8_t> &codes)
{
    clearContents();
    codes_ = codes;
    setRowCount(static_cast<int>(labels.size()));
    for (int row = 0; row < rowCount(); ++row) {
        auto *label =
            new QTableWidgetItem(QString::fromStdString(labels[static_cast<std::size_t>(row)]));
        label->setFlags(Qt::ItemIsEnabled);
        label->setFont(tibasic::ui::TokenTextFont());
        setItem(row, kLabelColumn, label);
        QPushButton *button = makeButton(row);
        setCellWidget(row, kStyleColumn, button);
        setRowHeight(row, button->sizeHint().height());
    }
}

QPushButton *GdbStyleGrid::makeButton(int row)
{
    auto *button = new QPushButton(StyleName(codes_[static_cast<std::size_t>(row)]), this);
    auto *menu = new QMenu(button);
    for (std::uint8_t code = 0; code < vardata::StyleNames().size(); ++code) {
        connect(menu->addAction(StyleName(code)), &QAction::triggered, this,
                [this, button, row, code] {
                    codes_[static_cast<std::size_t>(row)] = code;
                    button->setText(StyleName(code));
                    emit styleChosen();
                });
    }
    button->setMenu(menu);
    return button;
}

QPushButton *GdbStyleGrid::styleButton(int row) const
{
    return qobject_cast<QPushButton *>(cellWidget(row, kStyleColumn));
}

} // namespace vexil::vareditors
