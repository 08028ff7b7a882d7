// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/SendShell.h"

#include "base/ui/DialogService.h"
#include "link/ui/TfrmSendFile.h"

#include <QFile>
#include <QObject>

namespace vexil::link::ui {

std::filesystem::path ShellProgramPath(const std::filesystem::path &programDir, ShellProgram shell)
{
    switch (shell) {
    case ShellProgram::Ash30:
        return programDir / "ash" / "ash30.82b";
    case ShellProgram::Crash13:
        return programDir / "crash" / "crash.82b";
    case ShellProgram::AShell83:
        break;
    }
    return programDir / "ashell83" / "ashell.83g";
}

void SendShell(TfrmSendFile &dialog, const std::filesystem::path &programDir, ShellProgram shell)
{
    const std::filesystem::path path = ShellProgramPath(programDir, shell);
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
