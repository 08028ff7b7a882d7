// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing Vexil.opt in the program directory. The folder is always a
// parameter, so tests and vexil-cli can point at any directory.
#pragma once

#include "app/Options.h"

#include <filesystem>
#include <string>

namespace vexil::app {

inline constexpr const char *kOptionsFileName = "Vexil.opt";
inline constexpr const char *kOptionsCorruptedMessage =
    "Options file has been corrupted.  Default options have been rewritten.";

enum class OptionsLoadOutcome {
    Read,      // the file held a whole record
    Created,   // there was no file; it now holds the defaults
    Corrupted, // the file was short or unreadable; it was rewritten with the defaults
};

struct OptionsLoadResult {
    Options options;
    OptionsLoadOutcome outcome = OptionsLoadOutcome::Read;
    std::string writeError; // set when the defaults could not be written back
};

std::filesystem::path OptionsFilePath(const std::filesystem::path &programDirectory);

// Reads the record, creating or repairing the file as needed.
OptionsLoadResult LoadOptionsFile(const std::filesystem::path &programDirectory);

// Reads the record without touching the file; empty when it is missing or short.
std::optional<Options> ReadOptionsFile(const std::filesystem::path &programDirectory);

// Writes the whole record atomically; returns an empty string or the reason it failed.
std::string SaveOptionsFile(const std::filesystem::path &programDirectory, const Options &options);

} // namespace vexil::app
