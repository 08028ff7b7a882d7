// SPDX-License-Identifier: GPL-3.0-or-later
// Receiving what the user sends from the calculator's link menu: each variable
// as a one-entry variable file, a backup as a backup file, in a chosen folder.
#pragma once

#include "link/Link.h"
#include "link/transfer/TransferView.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace vexil::link::transfer {

// The full file name for a header packet, or empty (MakeReceiveName is one).
using NamingFunction = std::function<std::string(std::span<const uint8_t> header,
                                                 const std::filesystem::path &folder)>;

// Receives until the calculator's end of transmission, a backup, or the user's
// Quit. Every file is written whole or not at all, and only inside `folder`.
// Returns Ok, TransmissionError, Cancelled or Timeout; throws FileError when a
// file cannot be written.
TransferResult ReceiveVariables(Link &link, TransferView &view, const std::filesystem::path &folder,
                                const NamingFunction &naming);

// The question asked when a received file already exists.
std::string ExistsMessage(const std::string &fileName);

} // namespace vexil::link::transfer
