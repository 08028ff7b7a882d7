// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PictureReceive.h"

#include "link/TransferResult.h"

namespace vexil::link {
namespace {

constexpr std::size_t kPictureDataLength = kPictureBytes + 2; // the size word first

class Exchange {
public:
    Exchange(Link &link, const std::function<void(const std::string &)> &log)
        : link_(link), log_(log)
    {
    }

    void send(std::uint8_t command)
    {
        Packet packet = HeaderPacket(link_.MachineId, command);
        link_.SendPacket(packet, false);
    }
    // The exit refusal: its reason byte and checksum go out with it.
    void sendExit()
    {
        Packet packet = RefusalPacket(link_.MachineId, refusal::kExit);
        link_.SendPacket(packet, false);
    }
    Packet receive(std::string_view prefix = "Packet = ")
    {
        Packet packet;
        link_.ReceivePacketChecked(packet, false);
        if (log_) {
            log_(PacketLogLine(prefix, packet));
        }
        return packet;
    }
    // The calculator acknowledges a refusal; its answer is read so the line is
    // left quiet, within the usual wait.
    void takeAcknowledgement()
    {
        link_.WaitForData(1);
        if (!link_.check()) {
            receive();
        }
    }
    bool stopped() const { return link_.check().has_value(); }
    bool timedOut() const { return link_.LinkError != 0; }

private:
    Link &link_;
    const std::function<void(const std::string &)> &log_;
};

bool IsPictureData(const Packet &packet)
{
    return packet.size() == kPictureDataLength + 6 && packet[1] == command::kData &&
           LengthField(packet) == kPictureDataLength && packet[4] == (kPictureBytes & 0xFF) &&
           packet[5] == (kPictureBytes >> 8);
}

} // namespace

std::string PacketLogLine(std::string_view prefix, std::span<const std::uint8_t> packet)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line(prefix);
    line.reserve(line.size() + packet.size() * 3);
    for (const std::uint8_t byte : packet) {
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
        line += ' ';
    }
    return line;
}

PictureReceive ReceivePicture(Link &link, bool ti83Mode,
                              const std::function<void(const std::string &)> &log)
{
    PictureReceive result;
    link.MachineId = ti83Mode ? machine::kComputerTo83 : machine::kComputerTo82;
    Exchange exchange(link, log);
    const auto failure = [&](PictureOutcome otherwise) {
        result.outcome = link.LinkCancelled    ? PictureOutcome::Cancelled
                         : exchange.timedOut() ? PictureOutcome::TimedOut
                                               : otherwise;
        return result;
    };

    // The user may take as long as they like to start sending.
    link.WaitForUser();
    if (exchange.stopped()) {
        return failure(PictureOutcome::TransmissionError);
    }
    const Packet header = exchange.receive();
    if (exchange.stopped() || header[1] != command::kVarHeader) {
        return failure(PictureOutcome::TransmissionError);
    }
    if (header.size() < 7 || header[6] != kPictureTypeId) {
        exchange.send(command::kAck);
        exchange.sendExit();
        exchange.takeAcknowledgement();
        result.outcome = PictureOutcome::NotAPicture;
        return result;
    }
    exchange.send(command::kAck);
    exchange.send(command::kClearToSend);
    exchange.receive();
    link.WaitForData(1);
    if (exchange.stopped()) {
        return failure(PictureOutcome::TransmissionError);
    }
    result.APic = exchange.receive("APic = ");
    if (exchange.stopped() || !IsPictureData(result.APic)) {
        return failure(PictureOutcome::TransmissionError);
    }
    exchange.send(command::kAck);
    link.WaitForData(1);
    const Packet next = exchange.stopped() ? Packet{} : exchange.receive();
    if (exchange.stopped()) {
        return failure(PictureOutcome::TransmissionError);
    }
    if (next[1] == command::kEndOfTransmission) {
        exchange.send(command::kAck);
    } else {
        // Only the one picture is taken: a further variable is acknowledged and refused.
        if (next[1] == command::kVarHeader) {
            exchange.send(command::kAck);
        }
        exchange.sendExit();
        if (next[1] == command::kVarHeader) {
            exchange.takeAcknowledgement();
        }
    }
    result.outcome = PictureOutcome::Received;
    return result;
}

const char *PictureOutcomeMessage(PictureOutcome outcome)
{
    switch (outcome) {
    case PictureOutcome::TimedOut:
        return ResultMessage(TransferResult::Timeout);
    case PictureOutcome::TransmissionError:
        return ResultMessage(TransferResult::TransmissionError);
    case PictureOutcome::NotAPicture:
        return "That wasn't a Pic!";
    case PictureOutcome::Received:
    case PictureOutcome::Cancelled:
        break;
    }
    return nullptr;
}

} // namespace vexil::link
