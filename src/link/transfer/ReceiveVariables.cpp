// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/ReceiveVariables.h"

#include "link/transfer/ReceivedFile.h"
#include "varfile/Comments.h"
#include "varfile/SafeFileName.h"
#include "varfile/VarFile.h"

#include <algorithm>
#include <optional>

namespace vexil::link::transfer {

namespace fs = std::filesystem;

namespace {

constexpr uint8_t kBackupType82 = 0x0F;
constexpr uint8_t kBackupType83 = 0x13;

class Receiver {
public:
    Receiver(Link &link, TransferView &view, const fs::path &folder, const NamingFunction &naming)
        : link_(link), view_(view), folder_(folder), naming_(naming)
    {
    }

    TransferResult run();

private:
    // What the exists question leaves to do with the offered variable.
    enum class Decision { Store, Omitted, Quit };

    std::optional<TransferResult> stop() const { return link_.check(); }
    void send(uint8_t command) { sendPacket(HeaderPacket(link_.MachineId, command)); }
    void sendPacket(Packet packet) { link_.SendPacket(packet, false); }
    varfile::CalcModel model() const
    {
        return link_.MachineId == machine::kComputerTo82 ? varfile::CalcModel::TI82
                                                         : varfile::CalcModel::TI83;
    }
    bool isBackupHeader(const Packet &h) const
    {
        return (link_.MachineId == machine::kComputerTo82 && h[6] == kBackupType82) ||
               (link_.MachineId == machine::kComputerTo83 && h[6] == kBackupType83);
    }
    void showReceiving(const fs::path &file)
    {
        link_.SetLinkStatus("Receiving " + file.filename().string() + "...");
    }

    Decision decide(fs::path &file);
    std::optional<TransferResult> refuse(uint8_t reason);
    TransferResult receiveVariable(const Packet &h, const fs::path &file, bool &more, Packet &next);
    TransferResult receiveBackup(const Packet &h, const fs::path &file);
    std::optional<TransferResult> receivePart(varfile::Bytes &section);
    TransferResult afterVariable(bool &more, Packet &next);
    void store(const fs::path &file, const std::optional<varfile::Bytes> &bytes);

    Link &link_;
    TransferView &view_;
    const fs::path &folder_;
    const NamingFunction &naming_;
};

TransferResult Receiver::run()
{
    link_.ClearBreak();
    link_.SetLinkStatus("Waiting...");
    // The user may take any time to pick and send the variables; only the
    // bytes of a packet, once it has started, are bound by the byte time-out.
    link_.WaitForUser();
    if (auto s = stop()) {
        return *s;
    }
    Packet h;
    link_.ReceivePacketChecked(h, false);
    if (auto s = stop()) {
        return *s;
    }
    if (h[0] == machine::kTI82) {
        link_.MachineId = machine::kComputerTo82;
    } else if (h[0] == machine::kTI83) {
        link_.MachineId = machine::kComputerTo83;
    }

    for (;;) {
        if (link_.LinkCancelled) {
            return TransferResult::Cancelled;
        }
        if (h[1] != command::kVarHeader || h.size() < 15) {
            return TransferResult::TransmissionError;
        }
        send(command::kAck);
        if (auto s = stop()) {
            return *s;
        }

        fs::path file =
            naming_ ? varfile::SafeVarFilePath(folder_, naming_(h, folder_)) : fs::path();
        if (!file.empty()) {
            showReceiving(file);
        }
        switch (decide(file)) {
        case Decision::Quit: {
            // The user ended the receive: only the stop button makes that a failure.
            const auto refused = refuse(refusal::kExit);
            return refused == TransferResult::Cancelled ? *refused : TransferResult::Ok;
        }
        case Decision::Omitted: {
            if (auto s = refuse(refusal::kSkip)) {
                return *s;
            }
            // The calculator goes on with its next variable, as after a stored one.
            bool more = false;
            const TransferResult next = afterVariable(more, h);
            if (!more) {
                return next;
            }
            continue;
        }
        case Decision::Store:
            break;
        }
        if (isBackupHeader(h)) {
            return receiveBackup(h, file);
        }
        bool more = false;
        const TransferResult received = receiveVariable(h, file, more, h);
        if (!more) {
            return received;
        }
    }
}

Receiver::Decision Receiver::decide(fs::path &file)
{
    // A header no name can be made of (an unknown equation) cannot be stored.
    if (file.empty()) {
        return Decision::Omitted;
    }
    // A link counts as a file there, even one that names nothing.
    if (!ReceivedFileExists(file)) {
        return Decision::Store;
    }
    const ExistsAnswer answer = view_.askExists(ExistsMessage(file.string()));
    switch (answer.choice) {
    case ExistsChoice::Rename:
        if (answer.newName.empty()) {
            return Decision::Omitted;
        }
        file = answer.newName;
        // A bare name typed by the user belongs in the folder being received into.
        if (file.is_relative()) {
            file = folder_ / file;
        }
        showReceiving(file);
        return Decision::Store;
    case ExistsChoice::Overwrite:
        return Decision::Store;
    case ExistsChoice::Omit:
        return Decision::Omitted;
    case ExistsChoice::Quit:
        break;
    }
    return Decision::Quit;
}

// Sends the refusal and reads the calculator's acknowledgement of it. Nothing
// when acknowledged; otherwise the result to end with.
std::optional<TransferResult> Receiver::refuse(uint8_t reason)
{
    sendPacket(RefusalPacket(link_.MachineId, reason));
    Packet answer;
    link_.ReceivePacketChecked(answer, false);
    if (auto s = stop()) {
        return s;
    }
    if (answer[1] != command::kAck) {
        return TransferResult::TransmissionError;
    }
    return std::nullopt;
}

// The acknowledgement of the stored variable, then the calculator's next packet:
// another header (`more`), or its end of transmission, acknowledged.
TransferResult Receiver::afterVariable(bool &more, Packet &next)
{
    more = false;
    link_.ReceivePacketChecked(next, false);
    if (auto s = stop()) {
        return *s;
    }
    if (next[1] == command::kVarHeader) {
        more = true;
        return TransferResult::Ok;
    }
    send(command::kAck);
    return stop().value_or(TransferResult::Ok);
}

void Receiver::store(const fs::path &file, const std::optional<varfile::Bytes> &bytes)
{
    if (!bytes) {
        throw FileError("The variable for " + file.string() + " is too large for a file.");
    }
    WriteReceivedFile(file, *bytes);
}

TransferResult Receiver::receiveVariable(const Packet &h, const fs::path &file, bool &more,
                                         Packet &next)
{
    more = false;
    varfile::VarName name{};
    std::copy_n(h.begin() + 7, name.size(), name.begin());
    const uint8_t typeId = h[6];

    send(command::kClearToSend);
    Packet d;
    link_.ReceivePacketChecked(d, false);
    link_.ReceivePacketChecked(d, false);
    if (auto s = stop()) {
        return *s;
    }
    if (d[1] != command::kData) {
        return TransferResult::TransmissionError;
    }
    if (d.size() == 4) {
        // The packet layer reads a zero-length packet as header-only, but an
        // empty variable's data packet still carries its two checksum bytes.
        link_.ReceiveByte();
        link_.ReceiveByte();
        d.insert(d.end(), {0, 0});
        if (auto s = stop()) {
            return *s;
        }
    }

    // Built whole in memory and renamed into place: a receive that stops half-way
    // leaves no partial file, and an existing file is only replaced by a complete one.
    varfile::Bytes bytes;
    varfile::WriteVarFileStart(
        bytes, model(), varfile::WriterComment(varfile::CommentWriter::Received), typeId, name);
    bytes.insert(bytes.end(), d.begin() + 4, d.end() - 2);
    std::optional<varfile::Bytes> complete;
    if (varfile::FinishVarFile(bytes)) {
        complete = std::move(bytes);
    }
    store(file, complete);

    send(command::kAck);
    if (auto s = stop()) {
        return *s;
    }
    // The packet in `next` may be `h` itself; nothing of `h` is used from here on.
    return afterVariable(more, next);
}

std::optional<TransferResult> Receiver::receivePart(varfile::Bytes &section)
{
    LinkHost &host = link_.host();
    for (int requests = 0;;) {
        uint8_t head[4];
        for (uint8_t &b : head) {
            b = link_.ReceiveByte();
            if (auto s = stop()) {
                return s;
            }
        }
        const size_t size = head[2] | head[3] << 8;
        host.setGaugeMax(static_cast<int>(size));
        varfile::Bytes part(size);
        for (size_t i = 0; i < size; ++i) {
            part[i] = link_.ReceiveByte();
            host.setGaugePosition(static_cast<int>(i + 1));
            if (auto s = stop()) {
                return s;
            }
        }
        const uint8_t lo = link_.ReceiveByte();
        const uint8_t hi = link_.ReceiveByte();
        if (auto s = stop()) {
            return s;
        }
        // A damaged part is asked for again, as any other damaged data packet
        // is, and as often.
        if (varfile::ByteSum(part) != (lo | hi << 8)) {
            if (requests++ == Link::kMaxResendRequests) {
                return TransferResult::TransmissionError;
            }
            send(command::kChecksumError);
            host.beep();
            continue;
        }
        section.push_back(head[2]);
        section.push_back(head[3]);
        section.insert(section.end(), part.begin(), part.end());
        send(command::kAck);
        return stop();
    }
}

TransferResult Receiver::receiveBackup(const Packet &h, const fs::path &file)
{
    LinkHost &host = link_.host();
    host.setGaugePosition(0);
    varfile::Bytes section(h.begin() + 2, h.begin() + 13);
    send(command::kClearToSend);
    Packet ack;
    link_.ReceivePacketChecked(ack, false);
    if (auto s = stop()) {
        return *s;
    }
    if (ack[1] != command::kAck) {
        return TransferResult::TransmissionError;
    }
    for (int part = 0; part < 3; ++part) {
        if (auto s = receivePart(section)) {
            return *s;
        }
    }
    store(file, varfile::BuildVarFileFromSection(
                    model(), varfile::WriterComment(varfile::CommentWriter::Received), section));
    return TransferResult::Ok;
}

} // namespace

std::string ExistsMessage(const std::string &fileName)
{
    return "The file, " + fileName + ", already exists.  What would you like to do?";
}

TransferResult ReceiveVariables(Link &link, TransferView &view, const fs::path &folder,
                                const NamingFunction &naming)
{
    return Receiver(link, view, folder, naming).run();
}

} // namespace vexil::link::transfer
