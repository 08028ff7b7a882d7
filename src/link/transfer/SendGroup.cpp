// SPDX-License-Identifier: GPL-3.0-or-later
// A group file: every entry in one session, one end of transmission at the end.
#include "link/transfer/SendOperations.h"
#include "link/transfer/SendSteps.h"
#include "varfile/VarFile.h"

namespace vexil::link::transfer {

using namespace detail;

namespace {

// Every entry of the file, found by walking the entry lengths up to the checksum,
// so a refused entry never leaves the reader inside its data.
std::vector<EntryToSend> GroupEntries(const LoadedFile &file)
{
    RequireBytes(file, varfile::kFirstEntryOffset + 2);
    const std::span<const uint8_t> bytes(file.bytes);
    const size_t end = bytes.size() - 2;
    std::vector<EntryToSend> entries;
    size_t pos = varfile::kFirstEntryOffset;
    while (pos < end) {
        if (pos + varfile::kEntryOverhead > end ||
            WordAt(bytes, pos) != varfile::kVariableHeaderLength) {
            throw FileError("The file " + file.name + " is damaged: no variable entry at offset " +
                            std::to_string(pos) + ".");
        }
        const uint16_t size = WordAt(bytes, pos + 2);
        if (pos + varfile::kEntryOverhead + size > end) {
            throw FileError("The file " + file.name + " is damaged: the variable at offset " +
                            std::to_string(pos) + " runs past the end.");
        }
        entries.push_back(
            {bytes.subspan(pos + 2, 11), bytes.subspan(pos + varfile::kEntryOverhead, size)});
        pos += varfile::kEntryOverhead + size;
    }
    return entries;
}

} // namespace

TransferResult SendGroupFile(Link &link, TransferView &view, const std::filesystem::path &path)
{
    const LoadedFile file = LoadFile(path);
    const std::vector<EntryToSend> entries = GroupEntries(file);
    const uint8_t m = MachineIdForFile(path, file);
    link.ClearBreak();
    TransferResult result = TransferResult::Ok;
    uint16_t lastSize = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const bool last = i + 1 == entries.size();
        const EntryResult sent = SendEntry(link, view, entries[i], {m});
        switch (sent.outcome) {
        case EntryOutcome::Stopped:
            return sent.result;
        case EntryOutcome::Unexpected:
            result = TransferResult::TransmissionError;
            break;
        case EntryOutcome::Refused:
            // A skipped entry lets the session go on with the next one; any other
            // refusal, or one of the last entry, ends it.
            if (sent.reason != refusal::kSkip || last) {
                SendHeaderOnly(link, m, command::kEndOfTransmission);
                if (auto stop = link.check()) {
                    return *stop;
                }
                if (sent.reason == refusal::kSkip) {
                    Packet answer;
                    link.ReceivePacket(answer, false);
                    if (auto stop = link.check()) {
                        return *stop;
                    }
                }
                return RefusalResult(sent.reason);
            }
            result = TransferResult::RefusedSkip;
            break;
        case EntryOutcome::Sent:
            result = TransferResult::Ok;
            lastSize = WordAt(entries[i].header, 0);
            break;
        }
    }
    const TransferResult closed = CloseSession(link, m, lastSize);
    return closed == TransferResult::Ok ? result : closed;
}

} // namespace vexil::link::transfer
