// SPDX-License-Identifier: GPL-3.0-or-later
// A variable's name between its bytes in a file and the text of a name box. Name
// bytes are the calculator's own 8-bit characters, one per character, with theta
// written "@" as the calculator's link software writes it.
#pragma once

#include <QString>

#include <string>

namespace vexil::uibase {

QString NameTextFromBytes(const std::string &bytes);

// θ, as the token texts show theta, is accepted for "@".
std::string NameBytesFromText(QString text);

} // namespace vexil::uibase
