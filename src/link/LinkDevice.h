// SPDX-License-Identifier: GPL-3.0-or-later
// From the link options (type and port) to the device that carries the link.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::link {

enum class LinkDeviceKind {
    VirtualCable,   // the shared-memory cable file that vexil-calcsim attaches to
    ParallelLines,  // home-made cable on /dev/parportN
    SerialLines,    // black link on a tty's modem-control lines
    GraphLinkSerial // TI-Graph Link: bytes over a raw 9600 8N1 tty
};

struct LinkDevice {
    LinkDeviceKind kind;
    std::string path;
};

// Link types: 0 home-made/black link, 1 TI-Graph Link. Ports: 0 COM1, 1 COM2,
// 2 LPT1, 3 LPT2, 4 the virtual cable, 5 a USB serial adapter.
inline constexpr int kLinkTypeGraphLink = 1;
inline constexpr int kPortVirtualCable = 4;
inline constexpr int kPortUsbSerial = 5;

// The virtual cable's file, inside the program directory.
std::filesystem::path VirtualCablePath(const std::filesystem::path &programDir);

// The TI-Graph Link needs a serial port: a parallel port or the virtual cable
// chosen with it falls back to COM1, as the options dialog moves it. A port
// index out of range counts as COM1.
LinkDevice LinkDeviceFor(int linkType, int linkPort, const std::filesystem::path &programDir);

} // namespace vexil::link
