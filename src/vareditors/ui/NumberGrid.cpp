// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/NumberGrid.h"

#include <QSignalBlocker>

namespace vexil::vareditors {

NumberGrid::NumberGrid(QWidget *parent) : QTableWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void NumberGrid::commitEdit()
{
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void NumberGrid::setCellText(int row, int column, const QString &text, bool editable)
{
    const QSignalBlocker quiet(this);
    QTableWidgetItem *cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable
                            : cell->flags() & ~Qt::ItemIsEditable);
}

QString NumberGrid::cellText(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

} // namespace vexil::vareditors
