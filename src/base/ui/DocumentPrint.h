// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the text of a document window: page after page in the window's own font,
// long lines wrapped, with the window caption as the document's title.
#pragma once

#include <QFont>
#include <QString>

class QPrinter;

namespace vexil::uibase {

class StatusPanel;
class TfrmVarTemplate;

struct PrintableText {
    QString text; // line breaks as CR LF or LF
    QFont font;
    int tabWidth = 8; // in characters
};

// Lays the text out on the printer's pages and prints them.
void PrintText(QPrinter &printer, const PrintableText &document);

// The Print command on a window: asks the dialog service where to print, then prints
// with the notice on the status panel while the pages go out. False when the window
// has nothing to print or the user cancelled.
bool PrintDocument(const TfrmVarTemplate &window, StatusPanel &statusPanel);

inline const char *const kPrintingNotice = "Printing file.  Please wait...";

} // namespace vexil::uibase
