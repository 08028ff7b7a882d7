// SPDX-License-Identifier: GPL-3.0-or-later
// A backup file: its 9-byte header, then its three parts as data packets.
#include "link/transfer/SendOperations.h"
#include "link/transfer/SendSteps.h"
#include "link/transfer/VariableDescription.h"

#include <array>

namespace vexil::link::transfer {

using namespace detail;

namespace {

constexpr size_t kHeaderAt = 57;
constexpr size_t kFirstPartAt = 68;
constexpr std::array<const char *, 3> kPartStatus{
    "Sending system memory...", "Sending variable data...", "Sending variable allocation table..."};

} // namespace

TransferResult SendBackupFile(Link &link, TransferView &view, const std::filesystem::path &path)
{
    const LoadedFile file = LoadFile(path);
    RequireBytes(file, kFirstPartAt);
    const std::span<const uint8_t> bytes(file.bytes);
    const std::array<size_t, 3> sizes{WordAt(bytes, 57), WordAt(bytes, 60), WordAt(bytes, 62)};
    // Each part after the first has its own 2-byte length field before it.
    const std::array<size_t, 3> starts{kFirstPartAt, kFirstPartAt + sizes[0] + 2,
                                       kFirstPartAt + sizes[0] + sizes[1] + 4};
    RequireBytes(file, starts[2] + sizes[2]);

    link.ClearBreak();
    const uint8_t id = link.MachineId;
    link.SetLinkStatus("Sending variable header...");
    Packet header = DataPacket(id, command::kVarHeader, bytes.subspan(kHeaderAt, 9));
    view.showDescription(VariableDescription(id, bytes[59], {}));
    link.SendPacket(header, false);
    if (auto stop = link.check()) {
        return *stop;
    }

    link.SetLinkStatus("Waiting for acknowledgment...");
    Packet reply;
    link.ReceivePacketChecked(reply, false);
    if (auto stop = link.check()) {
        return *stop;
    }
    if (reply[1] != command::kAck) {
        return TransferResult::TransmissionError;
    }

    // The calculator asks its user to confirm the backup first.
    link.WaitForUser();
    link.ReceivePacketChecked(reply, false);
    if (auto stop = link.check()) {
        return *stop;
    }
    if (reply[1] == command::kRefusal) {
        // Declining a backup is the calculator user's right and no failure; its
        // reason is read and acknowledged so the calculator is not left waiting.
        link.ReceiveByte();
        link.ReceiveByte();
        link.ReceiveByte();
        if (auto stop = link.check()) {
            return *stop;
        }
        SendHeaderOnly(link, id, command::kAck);
        return link.check().value_or(TransferResult::Ok);
    }
    if (reply[1] != command::kClearToSend) {
        return TransferResult::TransmissionError;
    }

    link.SetLinkStatus("Preparing backup segment packets...");
    SendHeaderOnly(link, id, command::kAck);
    std::array<Packet, 3> parts;
    for (size_t i = 0; i < parts.size(); ++i) {
        parts[i] =
            DataPacket(machine::kComputerTo82, command::kData, bytes.subspan(starts[i], sizes[i]));
    }
    if (auto stop = link.check()) {
        return *stop;
    }

    for (size_t i = 0; i < parts.size(); ++i) {
        link.SetLinkStatus(kPartStatus[i]);
        for (;;) {
            Packet part = parts[i];
            link.SendPacket(part, true);
            link.ReceivePacketChecked(reply, false);
            if (auto stop = link.check()) {
                return *stop;
            }
            if (reply[1] == command::kChecksumError) {
                continue;
            }
            if (reply[1] != command::kAck) {
                return TransferResult::TransmissionError;
            }
            break;
        }
    }
    view.hideDescription();
    return TransferResult::Ok;
}

} // namespace vexil::link::transfer
