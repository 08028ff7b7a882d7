// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/VarEditorWindow.h"

#include "base/FileIo.h"
#include "base/ui/DialogService.h"
#include "varfile/VarFileReader.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vexil::uibase {

VarEditorWindow::VarEditorWindow(MainFrame &frame, VarEditorTexts texts, QWidget *parent)
    : TfrmVarTemplate(frame, parent), texts_(std::move(texts))
{
}

void VarEditorWindow::prepareNew(bool isTI82, int untitledNumber)
{
    IsTI82 = isTI82;
    modelChanged();
    setWindowTitle(QStringLiteral("Untitled") + QString::number(untitledNumber) + titleSuffix());
    setModified(false);
}

bool VarEditorWindow::LoadFile(const QString &fileName)
{
    FileName = fileName;
    const auto read = varfile::ReadVarFileBytes(QFile::encodeName(fileName).toStdString());
    if (!read.ok()) {
        showError(readErrorMessage());
        return false;
    }
    loading_ = true;
    const bool complete = loadBytes(read.bytes);
    loading_ = false;
    showFileTitle();
    setModified(false);
    if (!complete) {
        showError(readErrorMessage());
    }
    return true;
}

bool VarEditorWindow::SaveFile()
{
    const QString previous = FileName;
    if (!ensureFileName()) {
        return false;
    }
    beginSaving();
    const auto bytes = buildFile();
    const bool written = bytes && writeBytes(*bytes);
    endSaving();
    if (!written) {
        // Nothing was written, so the window is not tied to the chosen name yet.
        FileName = previous;
        return false;
    }
    completeSave();
    return true;
}

void VarEditorWindow::takeEntry()
{
    if (taking_) {
        return;
    }
    taking_ = true;
    takeTypedEntry();
    taking_ = false;
}

void VarEditorWindow::takeEntriesFrom(std::initializer_list<QLineEdit *> boxes)
{
    for (QLineEdit *box : boxes) {
        connect(box, &QLineEdit::editingFinished, this, &VarEditorWindow::takeEntry);
        connect(box, &QLineEdit::textEdited, this, [this] { setModified(true); });
    }
    if (takesEntries_) {
        return;
    }
    takesEntries_ = true;
    // Switching between document windows is no activation of the top-level window,
    // so the entry is also taken whenever another document window becomes active.
    connect(&frame_.mdiArea(), &QMdiArea::subWindowActivated, this, &VarEditorWindow::takeEntry);
}

void VarEditorWindow::changeEvent(QEvent *event)
{
    if (takesEntries_ && event->type() == QEvent::ActivationChange) {
        takeEntry();
    }
    TfrmVarTemplate::changeEvent(event);
}

bool VarEditorWindow::ensureFileName()
{
    if (!FileName.isEmpty()) {
        return true;
    }
    FileDialogRequest request;
    request.title = texts_.saveTitle(IsTI82);
    request.filter = texts_.saveFilter(IsTI82);
    request.defaultSuffix = texts_.defaultSuffix(IsTI82);
    request.fileName = FileName;
    const QString chosen = Dialogs().saveFileName(request);
    if (chosen.isEmpty()) {
        return false;
    }
    FileName = chosen;
    return true;
}

bool VarEditorWindow::writeBytes(const varfile::Bytes &bytes)
{
    if (auto error = base::WriteFileAtomically(QFile::encodeName(FileName).toStdString(), bytes)) {
        showError(QString::fromStdString(error->message));
        return false;
    }
    return true;
}

void VarEditorWindow::completeSave()
{
    showFileTitle();
    setModified(false);
    QDir::setCurrent(QFileInfo(FileName).absolutePath());
    frame_.addRecentFile(FileName);
}

void VarEditorWindow::showFileTitle()
{
    setWindowTitle(QFileInfo(FileName).fileName() + titleSuffix());
}

void VarEditorWindow::showError(const QString &text)
{
    Dialogs().message(MessageKind::Error, text, Buttons::Ok);
}

} // namespace vexil::uibase
