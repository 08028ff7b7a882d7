// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Send Shell: the three shell programs, sent from the program directory.
#pragma once

#include <filesystem>

namespace vexil::link::ui {

class TfrmSendFile;

enum class ShellProgram { Ash30, Crash13, AShell83 };

// ash/ash30.82b, crash/crash.82b or ashell83/ashell.83g in `programDir`.
std::filesystem::path ShellProgramPath(const std::filesystem::path &programDir, ShellProgram shell);

// Sends the shell through the transfer dialog. The shell programs are not part
// of Vexil: when one is missing, the user is told which file to put where.
void SendShell(TfrmSendFile &dialog, const std::filesystem::path &programDir, ShellProgram shell);

} // namespace vexil::link::ui
