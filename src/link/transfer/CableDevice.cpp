// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/CableDevice.h"

#include "brantel/brantel.h"
#include "link/CableTransport.h"
#include "link/GraphLinkTransport.h"

namespace vexil::link::transfer {

namespace {

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::optional<LinkDevice> ParseCableDevice(const std::string &text)
{
    static const std::string kGrayLink = "graylink:";
    if (text.empty()) {
        return std::nullopt;
    }
    if (StartsWith(text, kGrayLink)) {
        if (text.size() == kGrayLink.size()) {
            return std::nullopt;
        }
        return LinkDevice{LinkDeviceKind::GraphLinkSerial, text.substr(kGrayLink.size())};
    }
    if (StartsWith(text, "/dev/parport")) {
        return LinkDevice{LinkDeviceKind::ParallelLines, text};
    }
    if (StartsWith(text, "/dev/tty")) {
        return LinkDevice{LinkDeviceKind::SerialLines, text};
    }
    return LinkDevice{LinkDeviceKind::VirtualCable, text};
}

std::string AttachCable(Link &link, LinkHost &host, const LinkDevice &device)
{
    link.ResetState();
    if (device.kind == LinkDeviceKind::GraphLinkSerial) {
        link.LinkIsGraphLink = true;
        auto serial = std::make_unique<GraphLinkTransport>(
            host, [&link] { return link.LinkCancelled || GetBrk() == 1; }, link.byteTimeoutMs());
        if (std::string message = serial->open(device.path); !message.empty()) {
            return message;
        }
        link.useTransport(std::move(serial));
        return {};
    }
    int kind = BRANTEL_LINES_VIRTUAL;
    if (device.kind == LinkDeviceKind::ParallelLines) {
        kind = BRANTEL_LINES_PARPORT;
    } else if (device.kind == LinkDeviceKind::SerialLines) {
        kind = BRANTEL_LINES_SERIAL;
    }
    auto cable = std::make_unique<CableTransport>(host);
    if (std::string message = cable->open(kind, device.path); !message.empty()) {
        return message;
    }
    link.useTransport(std::move(cable));
    link.ReleaseLines();
    return {};
}

} // namespace vexil::link::transfer
