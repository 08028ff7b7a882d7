// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/OpenRefusal.h"

#include "base/FileIo.h"
#include "editor/ui/TextDocumentWindow.h"
#include "varfile/FileKind.h"

#include <QFileInfo>

namespace vexil::app {

namespace {

// Larger than any variable file can be: a bigger file is text, whatever it starts with.
constexpr std::size_t kLargestVariableFile = 0x10000 + 128;

bool IsTextWindow(const uibase::EditorClass &editor)
{
    return editor.windowClass->inherits(&editor::TextDocumentWindow::staticMetaObject);
}

varfile::Bytes ReadHead(const QFileInfo &info)
{
    // The read refuses, without waiting, anything but a regular file.
    base::ReadResult read =
        base::ReadWholeFile(info.absoluteFilePath().toStdString(), kLargestVariableFile);
    return std::move(read.bytes);
}

} // namespace

std::optional<QString> OpenRefusal(const QString &path, const uibase::EditorClass &editor,
                                   const uibase::EditorRegistry &registry)
{
    const QFileInfo info(path);
    const varfile::Bytes head = ReadHead(info);
    const std::string foreign = varfile::ForeignFileMessage(varfile::FamilyOfFile(head));
    if (!foreign.empty()) {
        return QString::fromStdString(foreign);
    }
    if (!IsTextWindow(editor)) {
        return std::nullopt;
    }
    const std::optional<varfile::CalculatorFileKind> kind =
        varfile::KindOfCalculatorFile(head, info.suffix().toStdString());
    if (!kind) {
        return std::nullopt;
    }
    const QString phrase = QString::fromStdString(kind->phrase);
    const QString extension = QString::fromStdString(kind->extension);
    if (!extension.isEmpty() &&
        extension.compare(QLatin1Char('.') + info.suffix(), Qt::CaseInsensitive) != 0) {
        const uibase::EditorClass proper = registry.classFor(QStringLiteral("x") + extension);
        if (proper.windowClass != nullptr && !IsTextWindow(proper)) {
            return QStringLiteral("This file is ") + phrase +
                   QStringLiteral("; Vexil opens it when its name ends in ") + extension +
                   QLatin1Char('.');
        }
    }
    return QStringLiteral("This file is ") + phrase +
           QStringLiteral(", and Vexil has no editor for it yet.");
}

} // namespace vexil::app
