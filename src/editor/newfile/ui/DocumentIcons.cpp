// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/newfile/ui/DocumentIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace vexil::editor {
namespace {

const QColor kTI82Colour(0x2F, 0x5F, 0xB3);
const QColor kTI83Colour(0x1F, 0x8A, 0x5B);

// A sheet with a folded corner, a coloured band with `band` on it and `mark` below.
QPixmap Sheet(int size, const QColor &colour, const QString &band, const QString &mark)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal left = s * 0.16;
    const qreal right = s * 0.84;
    const qreal fold = s * 0.2;
    QPainterPath outline;
    outline.moveTo(left, s * 0.04);
    outline.lineTo(right - fold, s * 0.04);
    outline.lineTo(right, s * 0.04 + fold);
    outline.lineTo(right, s * 0.96);
    outline.lineTo(left, s * 0.96);
    outline.closeSubpath();
    painter.setPen(QPen(QColor(0x50, 0x50, 0x58), s / 32.0));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);

    const QRectF bandRect(left, s * 0.30, right - left, s * 0.24);
    painter.fillRect(bandRect, colour);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, size / 6));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bandRect, Qt::AlignCenter, band);

    font.setPixelSize(std::max(7, size * 3 / 10));
    painter.setFont(font);
    painter.setPen(colour.darker(130));
    painter.drawText(QRectF(left, s * 0.56, right - left, s * 0.38), Qt::AlignCenter, mark);
    return pixmap;
}

QIcon SheetIcon(const QColor &colour, const QString &band, const QString &mark)
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(Sheet(size, colour, band, mark));
    }
    return icon;
}

} // namespace

QIcon AssemblerProgramIcon(assemble::ShellTarget target)
{
    static const char *const kMarks[] = {"Ash", "CrA", "83", "AS"};
    const bool ti82 = assemble::Describe(target).model == varfile::CalcModel::TI82;
    return SheetIcon(ti82 ? kTI82Colour : kTI83Colour, QStringLiteral("ASM"),
                     QString::fromLatin1(kMarks[static_cast<std::size_t>(target)]));
}

QIcon TextFileIcon()
{
    return SheetIcon(QColor(0x70, 0x70, 0x78), QStringLiteral("TXT"), QStringLiteral("Aa"));
}

QIcon VariableIcon(bool isTI82, char letter)
{
    return SheetIcon(isTI82 ? kTI82Colour : kTI83Colour,
                     isTI82 ? QStringLiteral("82") : QStringLiteral("83"),
                     QString(QChar::fromLatin1(letter)).toUpper());
}

} // namespace vexil::editor
