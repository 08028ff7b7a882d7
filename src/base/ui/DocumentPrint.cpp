// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/DocumentPrint.h"

#include "base/ui/DialogService.h"
#include "base/ui/StatusPanel.h"
#include "base/ui/TfrmVarTemplate.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace vexil::uibase {
namespace {

constexpr double kMarginMillimetres = 15.0;

// A font sized in pixels would come out a fraction of its size at a printer's
// resolution; on paper it keeps the size it has on a 96 dpi screen.
QFont PaperFont(QFont font)
{
    if (font.pixelSize() > 0) {
        font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    }
    return font;
}

} // namespace

void PrintText(QPrinter &printer, const PrintableText &document)
{
    const QFont font = PaperFont(document.font);
    QTextDocument pages;
    // Lay out in the printer's resolution, so point sizes are points on paper.
    pages.documentLayout()->setPaintDevice(&printer);
    pages.setDefaultFont(font);
    pages.setDocumentMargin(0);
    QTextOption option = pages.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // In the layout's own units, which it scales to the printer's resolution itself.
    option.setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) *
                              document.tabWidth);
    pages.setDefaultTextOption(option);
    QString text = document.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    pages.setPlainText(text);
    // A page size makes the document paginated, so it prints without added page numbers.
    pages.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
    pages.print(&printer);
}

bool PrintDocument(const TfrmVarTemplate &window, StatusPanel &statusPanel)
{
    const std::optional<PrintableText> document = window.printable();
    if (!document) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(window.windowTitle());
    printer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    if (!Dialogs().choosePrinter(printer)) {
        return false;
    }
    statusPanel.showPlain(QString::fromLatin1(kPrintingNotice));
    statusPanel.repaint();
    PrintText(printer, *document);
    statusPanel.clear();
    return true;
}

} // namespace vexil::uibase
