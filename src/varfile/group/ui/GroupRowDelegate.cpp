// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/ui/GroupRowDelegate.h"

#include <QPainter>

namespace vexil::group::ui {

void GroupRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    constexpr int kTextIndent = 2;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    const QRect text = option.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace vexil::group::ui
