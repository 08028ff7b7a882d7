// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace vexil::uibase {
namespace {

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QFileDialog *MakeFileDialog(const FileDialogRequest &request)
{
    auto *dialog = new QFileDialog(DialogParent(), request.title, request.directory);
    const QStringList filters = ToQtFilter(request.filter).split(QStringLiteral(";;"));
    dialog->setNameFilters(filters);
    if (request.filterIndex > 0 && request.filterIndex < filters.size()) {
        dialog->selectNameFilter(filters[request.filterIndex]);
    }
    dialog->setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) {
        dialog->selectFile(request.fileName);
    }
    return dialog;
}

} // namespace

Answer QtDialogService::message(MessageKind kind, const QString &text, Buttons buttons,
                                const QString &title)
{
    QMessageBox box(IconOf(kind), title.isEmpty() ? QApplication::applicationDisplayName() : title,
                    text, ButtonsOf(buttons), DialogParent());
    QApplication::beep();
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<QString> QtDialogService::inputText(const QString &title, const QString &prompt,
                                                  const QString &initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(DialogParent(), title, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString QtDialogService::openFileName(const FileDialogRequest &request)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(request));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

QStringList QtDialogService::openFileNames(const FileDialogRequest &request)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(request));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

QString QtDialogService::saveFileName(const FileDialogRequest &request)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(request));
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

QString QtDialogService::existingDirectory(const QString &title, const QString &directory)
{
    return QFileDialog::getExistingDirectory(DialogParent(), title, directory);
}

bool QtDialogService::choosePrinter(QPrinter &printer)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        printer.setPrinterName(defaultPrinter.printerName());
        return true;
    }
    // Most machines have no printer installed: the dialog offers printing to a PDF file.
    QPrintDialog dialog(&printer, DialogParent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogService::beep()
{
    QApplication::beep();
}

} // namespace vexil::uibase
