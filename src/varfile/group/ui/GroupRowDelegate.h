// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a line of the Group Editor by hand: each column's text 2 pixels from the
// column's left edge, centred vertically, on the highlight colours when selected.
#pragma once

#include <QStyledItemDelegate>

namespace vexil::group::ui {

class GroupRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace vexil::group::ui
