// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/SendSteps.h"

#include "base/FileIo.h"
#include "link/transfer/VariableDescription.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <chrono>
#include <thread>

namespace vexil::link::transfer::detail {

LoadedFile LoadFile(const std::filesystem::path &path)
{
    base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok()) {
        throw FileError(read.error->message);
    }
    return {path.string(), std::move(read.bytes)};
}

void RequireBytes(const LoadedFile &file, size_t end)
{
    if (file.bytes.size() < end) {
        throw FileError("The file " + file.name + " is damaged: it ends after " +
                        std::to_string(file.bytes.size()) + " bytes, but its lengths need " +
                        std::to_string(end) + ".");
    }
}

uint8_t MachineIdForFile(const std::filesystem::path &path, const LoadedFile &file)
{
    const std::string ext = path.extension().string();
    if (ext.size() >= 3 && ext[2] == '2') {
        return machine::kComputerTo82;
    }
    if (ext.size() >= 3 && ext[2] == '3') {
        return machine::kComputerTo83;
    }
    return varfile::ReadVarFileModel(file.bytes) == varfile::CalcModel::TI82
               ? machine::kComputerTo82
               : machine::kComputerTo83;
}

void SendHeaderOnly(Link &link, uint8_t machineId, uint8_t command, uint16_t length)
{
    Packet packet = HeaderPacket(machineId, command, length);
    link.SendPacket(packet, false);
}

TransferResult RefusalResult(uint8_t reason)
{
    switch (reason) {
    case refusal::kExit:
        return TransferResult::RefusedExit;
    case refusal::kSkip:
        return TransferResult::RefusedSkip;
    case refusal::kMemoryFull:
        return TransferResult::MemoryFull;
    default:
        return TransferResult::TransmissionError;
    }
}

namespace {

EntryResult Stopped(TransferResult result)
{
    return {EntryOutcome::Stopped, 0, result};
}

EntryResult Unexpected()
{
    return {EntryOutcome::Unexpected, 0, TransferResult::TransmissionError};
}

} // namespace

EntryResult SendEntry(Link &link, TransferView &view, const EntryToSend &entry,
                      const EntryOptions &options)
{
    const uint8_t m = options.machineId;
    const uint16_t size = WordAt(entry.header, 0);
    view.showDescription(VariableDescription(m, entry.header[2], entry.header.subspan(3, 8)));

    const Packet header = DataPacket(m, command::kVarHeader, entry.header);
    Packet reply;
    for (;;) {
        link.SetLinkStatus("Sending variable header...");
        Packet copy = header;
        link.SendPacket(copy, false);
        link.SetLinkStatus("Waiting for acknowledgement...");
        link.ReceivePacketChecked(reply, false);
        if (auto stop = link.check()) {
            return Stopped(*stop);
        }
        if (reply[1] == command::kChecksumError) {
            continue;
        }
        if (reply[1] != command::kAck) {
            return Unexpected();
        }
        break;
    }

    // The calculator asks its user first when the name is taken.
    link.WaitForUser();
    link.ReceivePacketChecked(reply, false);
    if (auto stop = link.check()) {
        return Stopped(*stop);
    }
    if (reply[1] == command::kRefusal) {
        link.SetLinkStatus("Refused...");
        // The reason and its checksum are on the wire whatever the reason is;
        // leaving any of them unread would garble the acknowledgement.
        const uint8_t reason = link.ReceiveByte();
        link.ReceiveByte();
        link.ReceiveByte();
        if (auto stop = link.check()) {
            return Stopped(*stop);
        }
        SendHeaderOnly(link, m, command::kAck);
        if (auto stop = link.check()) {
            return Stopped(*stop);
        }
        return {EntryOutcome::Refused, reason, RefusalResult(reason)};
    }
    if (reply[1] != command::kClearToSend) {
        return Unexpected();
    }

    link.SetLinkStatus(options.dataStatus);
    SendHeaderOnly(link, m, command::kAck);
    if (auto stop = link.check()) {
        return Stopped(*stop);
    }

    Packet data(size + 6u, 0);
    data[0] = m;
    data[1] = command::kData;
    data[2] = static_cast<uint8_t>(size);
    data[3] = static_cast<uint8_t>(size >> 8);
    for (int i = 0; i < 4; ++i) {
        link.SendByte(data[i]);
    }
    LinkHost &host = link.host();
    host.setGaugeMax(size + 3);
    for (size_t i = 4; i < size + 4u; ++i) {
        data[i] = entry.data[i - 4];
        host.setGaugePosition(static_cast<int>(i));
        link.SendByte(data[i]);
        if (options.pauseAfterBytes) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (auto stop = link.check()) {
            return Stopped(*stop);
        }
    }
    AppendChecksum(data);
    link.SendByte(data[size + 4u]);
    link.SendByte(data[size + 5u]);
    if (auto stop = link.check()) {
        return Stopped(*stop);
    }

    link.SetLinkStatus("Waiting for acknowledgement...");
    link.ReceivePacket(reply, false);
    if (auto stop = link.check()) {
        return Stopped(*stop);
    }
    if (reply[1] != command::kAck) {
        return Unexpected();
    }
    return {};
}

TransferResult CloseSession(Link &link, uint8_t machineId, uint16_t length)
{
    link.SetLinkStatus("Closing comms...");
    SendHeaderOnly(link, machineId, command::kEndOfTransmission, length);
    if (auto stop = link.check()) {
        return *stop;
    }
    Packet reply;
    link.ReceivePacket(reply, false);
    if (auto stop = link.check()) {
        return *stop;
    }
    return reply[1] == command::kAck ? TransferResult::Ok : TransferResult::TransmissionError;
}

} // namespace vexil::link::transfer::detail
