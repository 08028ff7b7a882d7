// SPDX-License-Identifier: GPL-3.0-or-later
// The file name a received variable is stored under, from its header packet.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vexil::link {

// Built from the header's machine id (byte 0, 0x82 or 0x83), type id (byte 6)
// and name bytes (7 to 14), joined to `folder`. Empty for another machine id, an
// unnamed equation, or a header too short to hold a name.
//
// The name holds only what a calculator name can: letters, digits, theta as
// "THET", the numbered forms ("L1", "MtrxA", "Pic0", "Y1t") and the extension.
// Any other name byte becomes "_", so no name from the cable starts with "-",
// a blank or a shell metacharacter, or leaves the folder.
std::string MakeReceiveName(std::span<const uint8_t> header, const std::filesystem::path &folder);

} // namespace vexil::link
