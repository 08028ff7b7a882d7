// SPDX-License-Identifier: GPL-3.0-or-later
// The options record: one fixed 1320-byte layout, stored byte for byte as the whole of
// Vexil.opt. Every field keeps its stored offset so files written by older releases and
// read by the assembly run and vexil-cli stay interchangeable.
#pragma once

#include "assemble/ShellTarget.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vexil::app {

inline constexpr std::size_t kOptionsSize = 1320;
inline constexpr std::size_t kRecentFileCount = 4;
// Names and paths are stored as a length byte and at most this many bytes.
inline constexpr std::size_t kShortStringMax = 255;

enum class LinkType : std::uint32_t { BlackLink = 0, GraphLink = 1 };

// Port numbers as stored; 4 and 5 extend the four ports of the original layout.
enum class LinkPort : std::uint32_t {
    Com1 = 0,
    Com2 = 1,
    Lpt1 = 2,
    Lpt2 = 3,
    VirtualCable = 4,
    UsbSerial = 5,
};

enum FontStyleBits : std::uint8_t { kFontBold = 1, kFontItalic = 2 };

// The editor font sizes, in points, that the Options dialog accepts and the editors use.
inline constexpr int kLargestFontSize = 500;
inline constexpr bool IsEditorFontSize(std::int64_t points)
{
    return points >= 1 && points <= kLargestFontSize;
}

struct Options {
    bool ti83Mode = false;
    std::uint32_t linkType = 0;
    std::uint32_t linkPort = 2;
    bool insertHeader = true;
    bool autoSave = false;
    bool displayListing = false;
    bool outputListing = true;
    bool includeLabels = false;
    bool expandMacros = false;
    bool pageListing = false;
    bool ignoreCase = true;
    bool checkIllegal = true;
    bool checkUnused = false;
    bool checkDuplicate = true;
    bool checkNonUnary = true;
    bool bugDelay = false;
    std::string fontName = "Courier New";
    std::uint8_t fontStyle = 0;
    std::uint32_t fontSize = 10;
    std::array<std::string, kRecentFileCount> recentFiles;
    std::uint32_t shell82 = 0;
    std::uint32_t shell83 = 0;

    // Bytes no dialog edits; kept so a read-then-write round trip changes nothing.
    std::array<std::uint8_t, 3> reserved1{};
    std::uint8_t reserved14 = 0;
    std::uint8_t reserved283 = 0;

    bool operator==(const Options &) const = default;
};

using OptionsBytes = std::array<std::uint8_t, kOptionsSize>;

Options DefaultOptions();
OptionsBytes EncodeOptions(const Options &options);
// Empty when fewer than kOptionsSize bytes are given; extra bytes are ignored.
std::optional<Options> DecodeOptions(std::span<const std::uint8_t> bytes);

// The target shell the mode selects: the TI-82's shell in TI-82 mode, the TI-83's in
// TI-83 mode. A stored shell number other than 1 means the model's first shell, so a
// damaged options file cannot make the header, the include folder and the program
// file disagree.
assemble::ShellTarget SelectedTarget(const Options &options);
// Gives each model's shell number the value SelectedTarget reads it as.
void NormalizeShells(Options &options);
// Switches to the target's model and makes the target that model's shell.
void SelectTarget(Options &options, assemble::ShellTarget target);

// Cuts text to what a length-byte string can hold without splitting a UTF-8 sequence.
std::string CutToShortString(const std::string &text);

} // namespace vexil::app
