// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/TextDocumentWindow.h"

#include "base/FileIo.h"
#include "base/ui/DialogService.h"
#include "editor/ui/EditorFont.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexil::editor {

using uibase::Dialogs;
using uibase::EditCommand;

TextDocumentWindow::TextDocumentWindow(uibase::MainFrame &frame, QWidget *parent)
    : TfrmVarTemplate(frame, parent), Memo1(new QsciScintilla(this))
{
    Memo1->setEolMode(QsciScintilla::EolWindows);
    Memo1->setUtf8(true);
    Memo1->setMarginType(0, QsciScintilla::NumberMargin);
    Memo1->setMarginLineNumbers(0, true);
    Memo1->setMarginWidth(1, 0);
    Memo1->setCaretLineVisible(true);
    Memo1->setCaretLineBackgroundColor(QColor(0xF2, 0xF6, 0xFF));
    Memo1->setMarginsBackgroundColor(QColor(0xEE, 0xEE, 0xEE));
    Memo1->setMarginsForegroundColor(QColor(0x80, 0x80, 0x80));
    Memo1->setTabWidth(8);
    Memo1->setWrapMode(QsciScintilla::WrapNone);
    connect(Memo1, &QsciScintilla::modificationChanged, this,
            [this](bool modified) { setWindowModified(modified); });
}

bool TextDocumentWindow::isModified() const
{
    return Memo1->isModified();
}

void TextDocumentWindow::setModified(bool modified)
{
    Memo1->setModified(modified);
}

uibase::DocumentTraits TextDocumentWindow::traits() const
{
    uibase::DocumentTraits t;
    t.editCommands = true;
    t.print = true;
    t.search = true;
    return t;
}

bool TextDocumentWindow::runEditCommand(EditCommand command)
{
    switch (command) {
    case EditCommand::Cut:
        Memo1->cut();
        break;
    case EditCommand::Copy:
        Memo1->copy();
        break;
    case EditCommand::Paste:
        Memo1->paste();
        break;
    case EditCommand::Delete:
        Memo1->removeSelectedText();
        break;
    case EditCommand::SelectAll:
        Memo1->selectAll();
        break;
    }
    return true;
}

std::optional<uibase::PrintableText> TextDocumentWindow::printable() const
{
    uibase::PrintableText document;
    document.text = Memo1->text();
    document.font = Memo1->lexer() != nullptr ? Memo1->lexer()->defaultFont() : Memo1->font();
    document.tabWidth = Memo1->tabWidth();
    return document;
}

void TextDocumentWindow::applyFont(const QFont &font)
{
    ApplyEditorFont(*Memo1, font);
}

void TextDocumentWindow::selectLine(int number)
{
    Memo1->setFocus();
    if (number < 1 || number > Memo1->lines()) {
        return;
    }
    const long start = Memo1->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, number - 1);
    const long end = Memo1->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, number - 1);
    Memo1->SendScintilla(QsciScintilla::SCI_SETSEL, start, end);
}

bool TextDocumentWindow::readIntoEditor(const QString &path)
{
    // Never blocks: a pipe or a device in a file's place is refused, not waited on.
    const base::ReadResult read = base::ReadWholeFile(QFile::encodeName(path).toStdString());
    if (!read.ok()) {
        Dialogs().message(uibase::MessageKind::Error,
                          QString::fromLocal8Bit(read.error->message.c_str()), uibase::Buttons::Ok);
        return false;
    }
    const DecodedText decoded =
        DecodeText(QByteArray(reinterpret_cast<const char *>(read.bytes.data()),
                              static_cast<qsizetype>(read.bytes.size())));
    encoding_ = decoded.encoding;
    Memo1->setText(decoded.text);
    Memo1->convertEols(QsciScintilla::EolWindows);
    Memo1->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    Memo1->setCursorPosition(0, 0);
    Memo1->setModified(false);
    return true;
}

bool TextDocumentWindow::writeFromEditor(const QString &path)
{
    // Text pasted or inserted by other windows may carry bare line feeds.
    Memo1->convertEols(QsciScintilla::EolWindows);
    QString text = Memo1->text();
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n"))) {
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = EncodeText(text, encoding_);
    const std::string error =
        base::WriteFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
            .errorText();
    if (!error.empty()) {
        Dialogs().message(uibase::MessageKind::Error,
                          QStringLiteral("The file was not saved.\n%1")
                              .arg(QString::fromLocal8Bit(error.c_str())),
                          uibase::Buttons::Ok);
        return false;
    }
    return true;
}

QString TextDocumentWindow::askSaveName(const QString &title, const QString &filter,
                                        const QString &suffix, const QString &directory)
{
    uibase::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.directory = directory;
    request.fileName = windowTitle();
    return Dialogs().saveFileName(request);
}

void TextDocumentWindow::afterSave()
{
    const QFileInfo info(FileName);
    setWindowTitle(info.fileName());
    Memo1->setModified(false);
    QDir::setCurrent(info.absolutePath());
    frame_.addRecentFile(FileName);
}

} // namespace vexil::editor
