// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog service of the running program: standard Qt boxes and file dialogs,
// parented to the active window.
#pragma once

#include "base/ui/DialogService.h"

namespace vexil::uibase {

class QtDialogService : public DialogService {
public:
    Answer message(MessageKind kind, const QString &text, Buttons buttons,
                   const QString &title) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    QString openFileName(const FileDialogRequest &request) override;
    QStringList openFileNames(const FileDialogRequest &request) override;
    QString saveFileName(const FileDialogRequest &request) override;
    QString existingDirectory(const QString &title, const QString &directory) override;
    bool choosePrinter(QPrinter &printer) override;
    void beep() override;
};

} // namespace vexil::uibase
