// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/NumberEntry.h"

#include "base/ui/DialogService.h"
#include "vareditors/RealCodec.h"
#include "varfile/RealText.h"

namespace vexil::vareditors {

std::optional<double> ParseNumberEntry(const QString &text)
{
    return vardata::ParseTypedReal(text.toStdString());
}

void ShowInvalidNumberMessage()
{
    uibase::Dialogs().message(uibase::MessageKind::Error,
                              QString::fromLatin1(varfile::kInvalidRealMessage),
                              uibase::Buttons::Ok);
}

std::optional<double> TakeNumberEntry(const QString &text)
{
    auto value = ParseNumberEntry(text);
    if (!value) {
        ShowInvalidNumberMessage();
    }
    return value;
}

QString FormatNumber(double value)
{
    return QString::fromStdString(varfile::FormatReal(value));
}

QStringList LetterNames(const QString &theta)
{
    QStringList names;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names << QString(QLatin1Char(letter));
    }
    names << theta;
    return names;
}

} // namespace vexil::vareditors
