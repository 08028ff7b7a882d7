// SPDX-License-Identifier: GPL-3.0-or-later
// A cable named on a command line: a virtual cable file, /dev/parportN, a serial
// black link on /dev/ttyS* (or another tty), or "graylink:" and a serial port.
#pragma once

#include "link/Link.h"
#include "link/LinkDevice.h"

#include <optional>
#include <string>

namespace vexil::link::transfer {

// Nothing for an empty name or "graylink:" without a port.
std::optional<LinkDevice> ParseCableDevice(const std::string &text);

// Puts `device` under `link` and clears the link state as LinkInit does. Empty
// on success, else the message naming the device and the reason.
std::string AttachCable(Link &link, LinkHost &host, const LinkDevice &device);

} // namespace vexil::link::transfer
