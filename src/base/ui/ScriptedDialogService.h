// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog service for tests: it records every box and beep and answers from queues
// the test fills beforehand. A question nobody scripted is answered Cancel and
// counted, so a test can assert that no unexpected box appeared.
#pragma once

#include "base/ui/DialogService.h"

#include <deque>
#include <vector>

namespace vexil::uibase {

class ScriptedDialogService : public DialogService {
public:
    struct Shown {
        MessageKind kind;
        QString text;
        Buttons buttons;
        QString title;
    };

    std::deque<Answer> answers;
    std::deque<QString> fileNames;  // for open, save and folder dialogs ("" = cancel)
    std::deque<QString> inputs;     // a null QString answers Cancel
    std::deque<QString> printFiles; // PDF files prints go to ("" = cancel)

    struct InputRequest {
        QString title;
        QString prompt;
        QString initial;
    };

    std::vector<Shown> shown;
    std::vector<InputRequest> inputRequests;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<QString> printRequests; // the document names
    int beeps = 0;
    int unscripted = 0;

    Answer message(MessageKind kind, const QString &text, Buttons buttons,
                   const QString &title) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const FileDialogRequest &request) override;
    QStringList openFileNames(const FileDialogRequest &request) override;
    QString saveFileName(const FileDialogRequest &request) override;
    QString existingDirectory(const QString &title, const QString &directory) override;
    bool choosePrinter(QPrinter &printer) override;
    void beep() override { ++beeps; }

private:
    QString nextFileName();
};

// Installs a scripted service for the lifetime of the object and restores the
// previous one afterwards.
class ScopedScriptedDialogs {
public:
    ScopedScriptedDialogs();
    ~ScopedScriptedDialogs();
    ScopedScriptedDialogs(const ScopedScriptedDialogs &) = delete;
    ScopedScriptedDialogs &operator=(const ScopedScriptedDialogs &) = delete;
    ScriptedDialogService *operator->() { return service_; }
    ScriptedDialogService &operator*() { return *service_; }

private:
    ScriptedDialogService *service_;
    std::unique_ptr<DialogService> previous_;
};

} // namespace vexil::uibase
