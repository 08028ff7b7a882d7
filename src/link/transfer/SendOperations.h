// SPDX-License-Identifier: GPL-3.0-or-later
// Sending variable files to the calculator. Each operation reads its file whole,
// drives the calculator's receive handshake through the packet layer, reports
// progress through the link host and the view, and returns a transfer result.
// The caller has called LinkInit. A file that cannot be read, or is shorter than
// its own lengths say, throws FileError before anything reaches the cable.
#pragma once

#include "link/Link.h"
#include "link/transfer/TransferView.h"

#include <filesystem>
#include <vector>

namespace vexil::link::transfer {

// The first variable of a file, with the machine id of its extension's digit.
TransferResult SendVariableFile(Link &link, TransferView &view, const std::filesystem::path &file);

// Every variable of a group file in one session.
TransferResult SendGroupFile(Link &link, TransferView &view, const std::filesystem::path &file);

// The first variable of each file, in order, with the link's MachineId.
// `pauseAfterBytes` is the "Delay receiving routine" option.
TransferResult SendFileList(Link &link, TransferView &view,
                            const std::vector<std::filesystem::path> &files,
                            bool pauseAfterBytes = false);

// A whole-memory backup file.
TransferResult SendBackupFile(Link &link, TransferView &view, const std::filesystem::path &file);

enum class SendKind { Variable, Group, Backup };

// By the extension: four characters with the dot whose last letter is B
// (backup) or G (group), in either case; anything else is one variable.
SendKind SendKindFor(const std::filesystem::path &file);

// The operation SendKindFor picks.
TransferResult SendAnyFile(Link &link, TransferView &view, const std::filesystem::path &file);

} // namespace vexil::link::transfer
