// SPDX-License-Identifier: GPL-3.0-or-later
// The variable files of the simulated calculator's memory folder: read to learn
// what it holds and what to send, written for what it receives.
#pragma once

#include "link/calcsim/SimVariables.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

// What a file holds: variables, or one backup.
struct SimFile {
    SimModel model = SimModel::TI83;
    std::vector<SimVariable> variables;
    std::optional<SimBackup> backup;
};

// A variable file ("**TI82**" or "**TI83**", 55-byte head, entries, a 16-bit
// sum), or nothing when the bytes are not one. The sum is not insisted on.
std::optional<SimFile> ParseSimFile(std::span<const uint8_t> bytes);
std::optional<SimFile> ReadSimFile(const std::filesystem::path &path);

// The bytes of a file of `variables`, or of one backup.
std::vector<uint8_t> SimFileBytes(SimModel model, const std::vector<SimVariable> &variables);
std::vector<uint8_t> SimBackupBytes(SimModel model, const SimBackup &backup);

// Writes under a temporary name in the same folder, then renames into place.
bool WriteSimFile(const std::filesystem::path &path, std::span<const uint8_t> bytes);

} // namespace vexil::link::calcsim
