// SPDX-License-Identifier: GPL-3.0-or-later
// The packet layer: the link state every transfer shares, single bytes over the
// chosen transport, and packets with their checksums and re-requests.
#pragma once

#include "link/ByteTransport.h"
#include "link/LinkHost.h"
#include "link/Packet.h"
#include "link/TransferResult.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace vexil::link {

class Link {
public:
    explicit Link(LinkHost &host);
    ~Link();
    Link(const Link &) = delete;
    Link &operator=(const Link &) = delete;

    // Where the virtual cable's file lives, and the "Delay receiving routine"
    // option; both come from the options owned by the main window.
    void setProgramDir(std::filesystem::path dir) { programDir_ = std::move(dir); }
    void setDelayReceive(bool on) { delayReceive_ = on; }

    // Resets the link state and attaches the device of `linkType` and `linkPort`.
    // Returns an empty string, or the message for a device that cannot be opened;
    // in that case every later byte ends at once with LinkError set, so a
    // transfer reports a time-out instead of hanging.
    std::string LinkInit(int linkType, int linkPort);

    // Replaces the transport (tests, fuzzers, the Link Manager's own peers).
    void useTransport(std::unique_ptr<ByteTransport> transport);

    // How long one byte may stall inside an exchange before the transfer ends
    // with a time-out: about what a calculator allows between two bits.
    void setByteTimeoutMs(int milliseconds);
    int byteTimeoutMs() const { return byteTimeoutMs_; }

    void ReleaseLines();
    uint8_t ReadLines();
    void WaitForData(uint8_t errorMask);
    // Waits for the calculator to start its next packet where it waits for its
    // user first (the answer to a variable header or a backup, the first header
    // of a receive): without a limit unless UserWaitMs sets one, until data
    // comes or the stop button is pressed. Running out sets LinkError.
    void WaitForUser();
    void SendByte(uint8_t byte);
    uint8_t ReceiveByte();
    void SendPacket(Packet &packet, bool showProgress);
    bool ReceivePacket(Packet &packet, bool showProgress);
    void ReceivePacketChecked(Packet &packet, bool showProgress);
    void SetLinkStatus(const std::string &text);

    // The stop button: the cancel flag and the driver's break flag together.
    void Cancel();
    // Clears the driver's break flag, as every send, receive and backup does first.
    void ClearBreak();
    // What LinkInit clears before a transfer: the cancel flag, the break flag,
    // LinkError and PacketDamaged.
    void ResetState();

    // Result 5 when cancelled, else 6 when LinkError is set, else 1 when a
    // packet stayed damaged however often it was asked for, else nothing.
    std::optional<TransferResult> check() const;

    LinkHost &host() { return host_; }

    bool LinkIsGraphLink = false;
    uint16_t LinkBasePort = 0;
    bool LinkPortIsSerial = false;
    bool LinkCancelled = false;
    uint8_t LinkError = 0;
    uint8_t MachineId = machine::kComputerTo82;
    int TimeoutMs = 3000; // WaitForData's limit
    // The bound of WaitForUser, for scripts; 0 waits for ever.
    int UserWaitMs = 0;
    // Set when ReceivePacketChecked gave up asking for a damaged packet again.
    bool PacketDamaged = false;

    // How often ReceivePacketChecked asks for a damaged packet again.
    static constexpr int kMaxResendRequests = 5;
    static constexpr int kDefaultByteTimeoutMs = 2000;

private:
    LinkHost &host_;
    std::unique_ptr<ByteTransport> transport_;
    std::filesystem::path programDir_;
    bool delayReceive_ = false;
    int byteTimeoutMs_ = kDefaultByteTimeoutMs;
    int openKind_ = -1;
    std::string openPath_;
};

} // namespace vexil::link
