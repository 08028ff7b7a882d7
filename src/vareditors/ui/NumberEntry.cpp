// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/NumberEntry.h"

#include "base/ui/DialogService.h"
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <cmath>

namespace vexil::vareditors {

std::optional<double> ParseNumberEntry(const QString &text)
{
    const auto parsed = varfile::ParseReal(text.toStdString());
    if (!parsed || !std::isfinite(*parsed)) {
        return std::nullopt;
    }
    // The range is judged on the rounded value: 9.99999999999999E99 becomes 1E100.
    const double rounded = varfile::RoundReal(*parsed);
    if (!varfile::CheckRange(rounded)) {
        return std::nullopt;
    }
    return rounded;
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
