// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one row of the list editor: the element number in white on black in a
// column as wide as " 999 ", then the element's text. The selected row uses the
// highlight colours only while the list has the focus; otherwise light grey on grey.
#pragma once

#include <QStyledItemDelegate>

namespace vexil::vareditors {

class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Width of the number column for a font.
    static int numberColumnWidth(const QFontMetrics &metrics);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace vexil::vareditors
