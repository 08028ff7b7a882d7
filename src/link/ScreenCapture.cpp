// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ScreenCapture.h"

namespace vexil::link {

ScreenCapture GrabScreen(Link &link, bool ti83Mode)
{
    ScreenCapture capture;
    link.MachineId = ti83Mode ? machine::kComputerTo83 : machine::kComputerTo82;
    Packet request = HeaderPacket(link.MachineId, command::kScreenRequest);
    link.SendPacket(request, false);
    Packet ack;
    if (!link.check()) {
        link.ReceivePacketChecked(ack, false);
    }
    capture.reply.reserve(kScreenReplySize);
    while (!link.check() && capture.reply.size() < kScreenReplySize) {
        capture.reply.push_back(link.ReceiveByte());
        link.host().pumpEvents();
    }
    if (const auto stopped = link.check()) {
        capture.result = *stopped;
        return capture;
    }
    Packet done = HeaderPacket(link.MachineId, command::kAck);
    link.SendPacket(done, false);
    const std::span<const std::uint8_t> reply(capture.reply);
    const bool screenData = reply[1] == command::kData && LengthField(reply) == kScreenBytes;
    const auto checksum = static_cast<std::uint16_t>(reply[772] | reply[773] << 8);
    // Once the screen is in, a stop while acknowledging it changes nothing.
    capture.result = screenData && ChecksumOk(reply, checksum) ? TransferResult::Ok
                                                               : TransferResult::TransmissionError;
    return capture;
}

const char *ScreenCaptureMessage(TransferResult result)
{
    return result == TransferResult::Timeout ? kScreenshotTimeoutText : ResultMessage(result);
}

} // namespace vexil::link
