// SPDX-License-Identifier: GPL-3.0-or-later
// One variable file, a list of them, and the choice of operation by extension.
#include "base/AsciiText.h"
#include "link/transfer/SendOperations.h"
#include "link/transfer/SendSteps.h"

namespace vexil::link::transfer {

using namespace detail;

namespace {

constexpr size_t kHeaderAt = 57;
constexpr size_t kDataAt = 70;

// The first entry of a variable file, checked against the file's length.
EntryToSend FirstEntry(const LoadedFile &file)
{
    RequireBytes(file, kDataAt);
    const std::span<const uint8_t> bytes(file.bytes);
    const uint16_t size = WordAt(bytes, kHeaderAt);
    RequireBytes(file, kDataAt + size);
    return {bytes.subspan(kHeaderAt, 11), bytes.subspan(kDataAt, size)};
}

// What follows a refusal when the session ends with it.
TransferResult EndAfterRefusal(Link &link, uint8_t machineId, uint8_t reason, bool readAnswer)
{
    SendHeaderOnly(link, machineId, command::kEndOfTransmission);
    if (auto stop = link.check()) {
        return *stop;
    }
    if (readAnswer) {
        Packet answer;
        link.ReceivePacket(answer, false);
        if (auto stop = link.check()) {
            return *stop;
        }
    }
    return RefusalResult(reason);
}

} // namespace

TransferResult SendVariableFile(Link &link, TransferView &view, const std::filesystem::path &path)
{
    const LoadedFile file = LoadFile(path);
    const EntryToSend entry = FirstEntry(file);
    const uint8_t m = MachineIdForFile(path, file);
    link.ClearBreak();
    const EntryResult sent = SendEntry(link, view, entry, {m});
    switch (sent.outcome) {
    case EntryOutcome::Stopped:
    case EntryOutcome::Unexpected:
        return sent.result;
    case EntryOutcome::Refused:
        return EndAfterRefusal(link, m, sent.reason, sent.reason == refusal::kSkip);
    case EntryOutcome::Sent:
        break;
    }
    return CloseSession(link, m, WordAt(entry.header, 0));
}

TransferResult SendFileList(Link &link, TransferView &view,
                            const std::vector<std::filesystem::path> &files, bool pauseAfterBytes)
{
    link.ClearBreak();
    TransferResult result = TransferResult::Ok;
    const uint8_t m = link.MachineId;
    for (size_t i = 0; i < files.size(); ++i) {
        const bool last = i + 1 == files.size();
        view.setFileNumber(std::to_string(i + 1) + " of " + std::to_string(files.size()));
        view.setCaption("Sending " + files[i].string());
        const LoadedFile file = LoadFile(files[i]);
        const EntryToSend entry = FirstEntry(file);
        const EntryResult sent =
            SendEntry(link, view, entry, {m, "Sending program data...", pauseAfterBytes});
        switch (sent.outcome) {
        case EntryOutcome::Stopped:
            return sent.result;
        case EntryOutcome::Unexpected:
            result = TransferResult::TransmissionError;
            continue;
        case EntryOutcome::Refused:
            if (sent.reason == refusal::kExit || last) {
                return EndAfterRefusal(link, m, sent.reason, sent.reason == refusal::kSkip);
            }
            result = RefusalResult(sent.reason);
            continue;
        case EntryOutcome::Sent:
            result = last ? CloseSession(link, m, WordAt(entry.header, 0)) : TransferResult::Ok;
            break;
        }
    }
    return result;
}

SendKind SendKindFor(const std::filesystem::path &file)
{
    const std::string ext = file.extension().string();
    if (ext.size() == 4) {
        const char letter = base::AsciiUpper(ext[3]);
        if (letter == 'B') {
            return SendKind::Backup;
        }
        if (letter == 'G') {
            return SendKind::Group;
        }
    }
    return SendKind::Variable;
}

TransferResult SendAnyFile(Link &link, TransferView &view, const std::filesystem::path &file)
{
    switch (SendKindFor(file)) {
    case SendKind::Backup:
        return SendBackupFile(link, view, file);
    case SendKind::Group:
        return SendGroupFile(link, view, file);
    case SendKind::Variable:
        break;
    }
    return SendVariableFile(link, view, file);
}

} // namespace vexil::link::transfer
