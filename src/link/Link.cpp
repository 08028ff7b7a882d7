// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Link.h"

#include "brantel/brantel.h"
#include "link/CableTransport.h"
#include "link/GraphLinkTransport.h"
#include "link/LinkDevice.h"

#include <array>
#include <chrono>
#include <thread>

namespace vexil::link {

namespace {

constexpr std::array<uint16_t, 4> kBasePorts{0x3F8, 0x2F8, 0x378, 0x278};

// Stands in for a device that could not be opened: nothing goes out and nothing
// comes in, at once.
class DeadTransport final : public ByteTransport {
public:
    void sendByte(uint8_t) override {}
    std::optional<uint8_t> receiveByte() override { return std::nullopt; }
    bool dataReady() override { return false; }
    void releaseLines() override {}
    uint8_t readLines() override { return 0x30; }
    bool lastByteTimedOut() const override { return true; }
    void setByteTimeout(int) override {}
};

int LinesKindFor(LinkDeviceKind kind)
{
    switch (kind) {
    case LinkDeviceKind::VirtualCable:
        return BRANTEL_LINES_VIRTUAL;
    case LinkDeviceKind::ParallelLines:
        return BRANTEL_LINES_PARPORT;
    case LinkDeviceKind::SerialLines:
        return BRANTEL_LINES_SERIAL;
    case LinkDeviceKind::GraphLinkSerial:
        break;
    }
    return BRANTEL_LINES_NONE;
}

class BusyCursor {
public:
    explicit BusyCursor(LinkHost &host) : host_(host) { host_.setBusyCursor(true); }
    ~BusyCursor() { host_.setBusyCursor(false); }

private:
    LinkHost &host_;
};

} // namespace

Link::Link(LinkHost &host) : host_(host), transport_(std::make_unique<DeadTransport>()) {}

Link::~Link() = default;

std::string Link::LinkInit(int linkType, int linkPort)
{
    const int port = linkPort >= 0 && linkPort < 4 ? linkPort : 0;
    LinkIsGraphLink = linkType == kLinkTypeGraphLink;
    LinkBasePort = kBasePorts[port];
    LinkPortIsSerial = port < 2;
    ResetState();

    // Reopening a serial port drops DTR and RTS for a moment, which an attached
    // calculator may take as a pulled line: keep a device that is already open.
    const LinkDevice device = LinkDeviceFor(linkType, linkPort, programDir_);
    const int kind = static_cast<int>(device.kind);
    std::string message;
    if (kind != openKind_ || device.path != openPath_) {
        openKind_ = -1;
        transport_.reset();
        if (device.kind == LinkDeviceKind::GraphLinkSerial) {
            auto serial = std::make_unique<GraphLinkTransport>(
                host_, [this] { return LinkCancelled || GetBrk() == 1; }, byteTimeoutMs_);
            message = serial->open(device.path);
            if (message.empty()) {
                transport_ = std::move(serial);
            }
        } else {
            auto cable = std::make_unique<CableTransport>(host_);
            message = cable->open(LinesKindFor(device.kind), device.path);
            if (message.empty()) {
                transport_ = std::move(cable);
            }
        }
        if (message.empty()) {
            openKind_ = kind;
            openPath_ = device.path;
        } else {
            transport_ = std::make_unique<DeadTransport>();
        }
    }
    transport_->setByteTimeout(byteTimeoutMs_);
    ReleaseLines();
    SetPorts(0x379, 0x378);
    if (!message.empty()) {
        LinkError = 0xFF;
    }
    return message;
}

void Link::useTransport(std::unique_ptr<ByteTransport> transport)
{
    transport_ = std::move(transport);
    transport_->setByteTimeout(byteTimeoutMs_);
    openKind_ = -1;
    openPath_.clear();
}

void Link::setByteTimeoutMs(int milliseconds)
{
    byteTimeoutMs_ = milliseconds;
    transport_->setByteTimeout(milliseconds);
}

void Link::ReleaseLines()
{
    transport_->releaseLines();
}

uint8_t Link::ReadLines()
{
    return transport_->readLines();
}

void Link::WaitForData(uint8_t errorMask)
{
    const auto start = std::chrono::steady_clock::now();
    while (!transport_->dataReady() && !LinkCancelled && (LinkError & errorMask) == 0) {
        host_.pumpEvents();
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(TimeoutMs)) {
            LinkError = errorMask;
        }
    }
}

void Link::WaitForUser()
{
    const auto start = std::chrono::steady_clock::now();
    for (unsigned polls = 0; !transport_->dataReady(); ++polls) {
        if (LinkCancelled || LinkError != 0) {
            return;
        }
        host_.pumpEvents();
        if (UserWaitMs > 0 &&
            std::chrono::steady_clock::now() - start > std::chrono::milliseconds(UserWaitMs)) {
            LinkError |= 1;
            return;
        }
        // A user takes seconds; a millisecond more costs nothing and spares a
        // processor the whole time.
        if (polls > 1000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

void Link::SendByte(uint8_t byte)
{
    transport_->sendByte(byte);
    if (transport_->lastByteTimedOut()) {
        LinkError |= 1;
    }
}

uint8_t Link::ReceiveByte()
{
    const auto byte = transport_->receiveByte();
    if (byte) {
        return *byte;
    }
    if (transport_->lastByteTimedOut()) {
        LinkError |= 1;
    }
    return 0;
}

void Link::SendPacket(Packet &packet, bool showProgress)
{
    BusyCursor busy(host_);
    ReleaseLines();
    AppendChecksum(packet);
    const int last = static_cast<int>(packet.size()) - 1;
    if (showProgress) {
        host_.setGaugeMax(last);
    }
    for (int i = 0; i <= last; ++i) {
        SendByte(packet[i]);
        if (showProgress) {
            host_.setGaugePosition(i);
        }
        if (LinkCancelled || LinkError != 0) {
            return;
        }
    }
}

bool Link::ReceivePacket(Packet &packet, bool showProgress)
{
    BusyCursor busy(host_);
    std::array<uint8_t, 4> header{};
    for (auto &b : header) {
        // After a time-out or a cancel every further read would only wait again
        // (a serial read for its whole time-out) and could pick up a late byte
        // in the wrong place; the header stays short and reads as header-only.
        if (LinkCancelled || LinkError != 0) {
            break;
        }
        b = ReceiveByte();
    }
    const size_t n = IsHeaderOnlyCommand(header[1]) ? 0 : (header[2] | header[3] << 8);
    packet.assign(n == 0 ? 4 : n + 6, 0);
    std::copy(header.begin(), header.end(), packet.begin());
    if (showProgress) {
        host_.setGaugeMax(static_cast<int>(n + 5));
    }
    if (n == 0) {
        return true;
    }
    for (size_t i = 4; i < packet.size(); ++i) {
        if (delayReceive_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        packet[i] = ReceiveByte();
        host_.pumpEvents();
        if (LinkCancelled || LinkError != 0) {
            return false;
        }
    }
    const size_t h = packet.size() - 1;
    return ChecksumOk(packet, static_cast<uint16_t>(packet[h - 1] | packet[h] << 8));
}

void Link::ReceivePacketChecked(Packet &packet, bool showProgress)
{
    // A line that damages every copy would otherwise keep both ends asking and
    // answering for ever.
    for (int requests = 0; !ReceivePacket(packet, showProgress); ++requests) {
        if (LinkCancelled || LinkError != 0) {
            return;
        }
        if (requests == kMaxResendRequests) {
            PacketDamaged = true;
            return;
        }
        Packet again = HeaderPacket(MachineId, command::kChecksumError);
        SendPacket(again, false);
        host_.beep();
    }
}

void Link::SetLinkStatus(const std::string &text)
{
    host_.setStatus(text);
    host_.pumpEvents();
}

void Link::Cancel()
{
    LinkCancelled = true;
    SetBrk(1);
}

void Link::ClearBreak()
{
    SetBrk(0);
}

void Link::ResetState()
{
    LinkCancelled = false;
    ClearBreak();
    LinkError = 0;
    PacketDamaged = false;
}

std::optional<TransferResult> Link::check() const
{
    if (LinkCancelled) {
        return TransferResult::Cancelled;
    }
    if (LinkError != 0) {
        return TransferResult::Timeout;
    }
    if (PacketDamaged) {
        return TransferResult::TransmissionError;
    }
    return std::nullopt;
}

} // namespace vexil::link
