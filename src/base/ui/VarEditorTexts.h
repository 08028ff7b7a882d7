// SPDX-License-Identifier: GPL-3.0-or-later
// The words each variable editor puts into its save dialog and window title: the
// plural for the filter, the kind for the dialog title, the extension letter and
// the kind in the bracketed title suffix.
#pragma once

#include <QString>

namespace vexil::uibase {

struct VarEditorTexts {
    QString plural;    // "Lists"
    QString kind;      // "List"
    QChar letter;      // 'l'
    QString titleKind; // "List"

    // "TI-82 Lists (*.82l)|*.82l|All Files (*.*)|*.*"
    QString saveFilter(bool isTI82) const;
    // "Save TI-82 List"
    QString saveTitle(bool isTI82) const;
    // "82l"
    QString defaultSuffix(bool isTI82) const;
    // " [TI-82 List]"
    QString titleSuffix(bool isTI82) const;
};

} // namespace vexil::uibase
