// SPDX-License-Identifier: GPL-3.0-or-later
// Typed numbers in the real and complex editors: parsed, rounded to 14 digits and
// range-checked, with the number message on refusal.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexil::vareditors {

// The rounded value, or nothing after the message has been shown.
std::optional<double> TakeNumberEntry(const QString &text);

// Parsed and rounded, without a message: nothing when unparsable or out of range.
std::optional<double> ParseNumberEntry(const QString &text);

void ShowInvalidNumberMessage();

QString FormatNumber(double value);

// "A".."Z" followed by the theta item as the editor spells it.
QStringList LetterNames(const QString &theta);

} // namespace vexil::vareditors
