// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a window talks to the user in a box: messages, questions, input boxes,
// file and folder dialogs, and the default beep. Windows never create these boxes
// themselves, so tests can install ScriptedDialogService and answer them.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;

namespace vexil::uibase {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    // Filters as the program states them: "Name|*.a;*.b|Other|*.c".
    QString filter;
    QString defaultSuffix;
    // The filter shown first, counted from 0.
    int filterIndex = 0;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // The box title is the application's unless one is given.
    virtual Answer message(MessageKind kind, const QString &text, Buttons buttons,
                           const QString &title = {}) = 0;
    virtual std::optional<QString> inputText(const QString &title, const QString &prompt,
                                             const QString &initial) = 0;
    // Empty when cancelled. Open requires an existing file; save asks before overwriting.
    virtual QString openFileName(const FileDialogRequest &request) = 0;
    virtual QStringList openFileNames(const FileDialogRequest &request) = 0;
    virtual QString saveFileName(const FileDialogRequest &request) = 0;
    virtual QString existingDirectory(const QString &title, const QString &directory) = 0;
    // Where a document prints: the default printer, or, where there is none, the one
    // (or the PDF file) the user picks. False when cancelled.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    // The sound of a command that does not apply.
    virtual void beep() = 0;
};

// The installed service; a QtDialogService until something else is installed.
DialogService &Dialogs();
// Installs a service and returns the previous one (tests put it back afterwards).
std::unique_ptr<DialogService> InstallDialogService(std::unique_ptr<DialogService> service);

// "Name|*.a;*.b|Other|*.c" as QFileDialog wants it: "Name (*.a *.b);;Other (*.c)".
QString ToQtFilter(const QString &pipeFilter);

} // namespace vexil::uibase
