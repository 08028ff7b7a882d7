// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/ListRowDelegate.h"

#include <QAbstractItemView>
#include <QPainter>

namespace vexil::vareditors {

namespace {

constexpr int kTextMargin = 4;

} // namespace

int ListRowDelegate::numberColumnWidth(const QFontMetrics &metrics)
{
    return metrics.horizontalAdvance(QStringLiteral(" 999 "));
}

void ListRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    painter->save();
    const QRect row = option.rect;
    const int numberWidth = numberColumnWidth(option.fontMetrics);
    const QRect numberRect(row.left(), row.top(), numberWidth, row.height());
    const QRect textRect = row.adjusted(numberWidth, 0, 0, 0);

    QColor background = Qt::white;
    QColor foreground = Qt::black;
    if (option.state & QStyle::State_Selected) {
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        const bool focused = view && view->hasFocus() && view->window()->isActiveWindow();
        if (focused) {
            background = option.palette.color(QPalette::Active, QPalette::Highlight);
            foreground = option.palette.color(QPalette::Active, QPalette::HighlightedText);
        } else {
            background = QColor(0x80, 0x80, 0x80);
            foreground = QColor(0xC0, 0xC0, 0xC0);
        }
    }
    painter->fillRect(textRect, background);
    painter->setPen(foreground);
    painter->drawText(textRect.adjusted(kTextMargin, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      index.data(Qt::DisplayRole).toString());

    painter->fillRect(numberRect, Qt::black);
    const QString number = index.data(Qt::UserRole).toString();
    if (!number.isEmpty()) {
        painter->setPen(Qt::white);
        painter->drawText(numberRect, Qt::AlignCenter, number);
    }
    painter->restore();
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
    return size;
}

} // namespace vexil::vareditors
