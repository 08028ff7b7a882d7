// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Send Shell: the shell programs, sent from the program directory.
#pragma once

#include "assemble/ShellTarget.h"

#include <filesystem>

namespace vexil::link::ui {

class TfrmSendFile;

// Sends the target's shell program (Describe(shell).shellProgram) through the
// transfer dialog. The shell programs are not part of Vexil: when one is missing,
// the user is told which file to put where.
void SendShell(TfrmSendFile &dialog, const std::filesystem::path &programDir,
               assemble::ShellTarget shell);

} // namespace vexil::link::ui
