// SPDX-License-Identifier: GPL-3.0-or-later
// The steps the send operations share: reading a file, and offering one variable
// up to the calculator's acknowledgement of its data.
#pragma once

#include "link/Link.h"
#include "link/transfer/TransferView.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vexil::link::transfer::detail {

struct LoadedFile {
    std::string name; // as the messages show it
    std::vector<uint8_t> bytes;
};

// Throws FileError when the file cannot be read.
LoadedFile LoadFile(const std::filesystem::path &path);

// Throws FileError unless the file holds `end` bytes.
void RequireBytes(const LoadedFile &file, size_t end);

inline uint16_t WordAt(std::span<const uint8_t> bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// The machine id of the extension's digit (".82?" 0x02, ".83?" 0x03); a file
// without one is taken by its signature.
uint8_t MachineIdForFile(const std::filesystem::path &path, const LoadedFile &file);

struct EntryToSend {
    std::span<const uint8_t> header; // 11 bytes: size, type id, 8 name bytes
    std::span<const uint8_t> data;   // exactly size bytes
};

struct EntryOptions {
    uint8_t machineId = 0x02;
    const char *dataStatus = "Sending variable data...";
    bool pauseAfterBytes = false;
};

enum class EntryOutcome {
    Sent,       // the calculator acknowledged the data
    Refused,    // the refusal was read and acknowledged; see `reason`
    Unexpected, // a command that does not belong at that step
    Stopped,    // cancelled or timed out; see `result`
};

struct EntryResult {
    EntryOutcome outcome = EntryOutcome::Sent;
    uint8_t reason = 0;
    TransferResult result = TransferResult::Ok;
};

// Description line, header (sent again on each 0x5A), clear to send or refusal,
// data, and the acknowledgement of the data.
EntryResult SendEntry(Link &link, TransferView &view, const EntryToSend &entry,
                      const EntryOptions &options);

// The result a refusal reason stands for; an unknown reason is a transmission error.
TransferResult RefusalResult(uint8_t reason);

// The end of transmission, carrying `length` in its length field, and the
// calculator's acknowledgement: Ok, TransmissionError, or a stop.
TransferResult CloseSession(Link &link, uint8_t machineId, uint16_t length);

void SendHeaderOnly(Link &link, uint8_t machineId, uint8_t command, uint16_t length = 0);

} // namespace vexil::link::transfer::detail
