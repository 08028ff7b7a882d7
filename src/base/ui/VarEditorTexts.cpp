// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/VarEditorTexts.h"

namespace vexil::uibase {

namespace {

QString ModelDigit(bool isTI82)
{
    return isTI82 ? QStringLiteral("2") : QStringLiteral("3");
}

} // namespace

QString VarEditorTexts::saveFilter(bool isTI82) const
{
    const QString pattern = QStringLiteral("*.8") + ModelDigit(isTI82) + letter;
    return QStringLiteral("TI-8") + ModelDigit(isTI82) + QLatin1Char(' ') + plural +
           QStringLiteral(" (") + pattern + QStringLiteral(")|") + pattern +
           QStringLiteral("|All Files (*.*)|*.*");
}

QString VarEditorTexts::saveTitle(bool isTI82) const
{
    return QStringLiteral("Save TI-8") + ModelDigit(isTI82) + QLatin1Char(' ') + kind;
}

QString VarEditorTexts::defaultSuffix(bool isTI82) const
{
    return QStringLiteral("8") + ModelDigit(isTI82) + letter;
}

QString VarEditorTexts::titleSuffix(bool isTI82) const
{
    return QStringLiteral(" [TI-8") + ModelDigit(isTI82) + QLatin1Char(' ') + titleKind +
           QLatin1Char(']');
}

} // namespace vexil::uibase
