// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LinkDevice.h"

namespace vexil::link {

std::filesystem::path VirtualCablePath(const std::filesystem::path &programDir)
{
    return programDir / "virtual-cable";
}

LinkDevice LinkDeviceFor(int linkType, int linkPort, const std::filesystem::path &programDir)
{
    const bool graphLink = linkType == kLinkTypeGraphLink;
    switch (linkPort) {
    case 1:
        return {graphLink ? LinkDeviceKind::GraphLinkSerial : LinkDeviceKind::SerialLines,
                "/dev/ttyS1"};
    case 2:
        if (!graphLink) {
            return {LinkDeviceKind::ParallelLines, "/dev/parport0"};
        }
        break;
    case 3:
        if (!graphLink) {
            return {LinkDeviceKind::ParallelLines, "/dev/parport1"};
        }
        break;
    case kPortVirtualCable:
        if (!graphLink) {
            return {LinkDeviceKind::VirtualCable, VirtualCablePath(programDir).string()};
        }
        break;
    case kPortUsbSerial:
        return {graphLink ? LinkDeviceKind::GraphLinkSerial : LinkDeviceKind::SerialLines,
                "/dev/ttyUSB0"};
    default:
        break;
    }
    return {graphLink ? LinkDeviceKind::GraphLinkSerial : LinkDeviceKind::SerialLines,
            "/dev/ttyS0"};
}

} // namespace vexil::link
