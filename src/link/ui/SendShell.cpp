// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/SendShell.h"

#include "base/ui/DialogService.h"
#include "link/ui/TfrmSendFile.h"

#include <QFile>
#include <QObject>

namespace vexil::link::ui {

void SendShell(TfrmSendFile &dialog, const std::filesystem::path &programDir,
               assemble::ShellTarget shell)
{
    const std::filesystem::path path = programDir / assemble::Describe(shell).shellProgram;
    const QString name = QFile::decodeName(path.string().c_str());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        uibase::Dialogs().message(
            uibase::MessageKind::Error,
            QObject::tr("The shell program %1 was not found.\n\nCopy %2 into the folder %3 and "
                        "choose the command again.")
                .arg(name, QFile::decodeName(path.filename().string().c_str()),
                     QFile::decodeName(path.parent_path().string().c_str())),
            uibase::Buttons::Ok);
        return;
    }
    dialog.StartSendFile(name);
}

} // namespace vexil::link::ui
