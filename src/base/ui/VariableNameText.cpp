// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/VariableNameText.h"

namespace vexil::uibase {

QString NameTextFromBytes(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string NameBytesFromText(QString text)
{
    text.replace(QChar(0x03B8), QLatin1Char('@'));
    return text.toLatin1().toStdString();
}

} // namespace vexil::uibase
