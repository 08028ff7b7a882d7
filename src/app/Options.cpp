// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Options.h"

#include <algorithm>

namespace vexil::app {
namespace {

constexpr std::size_t kTi83Mode = 0;
constexpr std::size_t kReserved1 = 1;
constexpr std::size_t kLinkType = 4;
constexpr std::size_t kLinkPort = 8;
constexpr std::size_t kInsertHeader = 12;
constexpr std::size_t kAutoSave = 13;
constexpr std::size_t kReserved14 = 14;
constexpr std::size_t kDisplayListing = 15;
constexpr std::size_t kOutputListing = 16;
constexpr std::size_t kIncludeLabels = 17;
constexpr std::size_t kExpandMacros = 18;
constexpr std::size_t kPageListing = 19;
constexpr std::size_t kIgnoreCase = 20;
constexpr std::size_t kCheckIllegal = 21;
constexpr std::size_t kCheckUnused = 22;
constexpr std::size_t kCheckDuplicate = 23;
constexpr std::size_t kCheckNonUnary = 24;
constexpr std::size_t kBugDelay = 25;
constexpr std::size_t kFontName = 26;
constexpr std::size_t kFontStyle = 282;
constexpr std::size_t kReserved283 = 283;
constexpr std::size_t kFontSize = 284;
constexpr std::size_t kRecentFiles = 288;
constexpr std::size_t kStringSlot = 256;
constexpr std::size_t kShell82 = 1312;
constexpr std::size_t kShell83 = 1316;

void PutU32(OptionsBytes &out, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    }
    return value;
}

void PutString(OptionsBytes &out, std::size_t at, const std::string &text)
{
    const std::string cut = CutToShortString(text);
    out[at] = static_cast<std::uint8_t>(cut.size());
    std::copy(cut.begin(), cut.end(), out.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

std::string GetString(std::span<const std::uint8_t> in, std::size_t at)
{
    const std::size_t length = in[at];
    return std::string(in.begin() + static_cast<std::ptrdiff_t>(at + 1),
                       in.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
}

} // namespace

Options DefaultOptions()
{
    return Options{};
}

assemble::ShellTarget SelectedTarget(const Options &options)
{
    using assemble::ShellTarget;
    if (options.ti83Mode) {
        return options.shell83 == 1 ? ShellTarget::AShell83 : ShellTarget::TI83;
    }
    return options.shell82 == 1 ? ShellTarget::CrASH : ShellTarget::Ash;
}

void NormalizeShells(Options &options)
{
    for (std::uint32_t *shell : {&options.shell82, &options.shell83}) {
        if (*shell != 1) {
            *shell = 0;
        }
    }
}

void SelectTarget(Options &options, assemble::ShellTarget target)
{
    using assemble::ShellTarget;
    options.ti83Mode = target == ShellTarget::TI83 || target == ShellTarget::AShell83;
    if (options.ti83Mode) {
        options.shell83 = target == ShellTarget::AShell83 ? 1 : 0;
    } else {
        options.shell82 = target == ShellTarget::CrASH ? 1 : 0;
    }
}

std::string CutToShortString(const std::string &text)
{
    if (text.size() <= kShortStringMax) {
        return text;
    }
    std::size_t end = kShortStringMax;
    // Step back over continuation bytes so the cut lands on a character boundary.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

OptionsBytes EncodeOptions(const Options &o)
{
    OptionsBytes out{};
    out[kTi83Mode] = o.ti83Mode ? 1 : 0;
    std::copy(o.reserved1.begin(), o.reserved1.end(), out.begin() + kReserved1);
    PutU32(out, kLinkType, o.linkType);
    PutU32(out, kLinkPort, o.linkPort);
    out[kInsertHeader] = o.insertHeader;
    out[kAutoSave] = o.autoSave;
    out[kReserved14] = o.reserved14;
    out[kDisplayListing] = o.displayListing;
    out[kOutputListing] = o.outputListing;
    out[kIncludeLabels] = o.includeLabels;
    out[kExpandMacros] = o.expandMacros;
    out[kPageListing] = o.pageListing;
    out[kIgnoreCase] = o.ignoreCase;
    out[kCheckIllegal] = o.checkIllegal;
    out[kCheckUnused] = o.checkUnused;
    out[kCheckDuplicate] = o.checkDuplicate;
    out[kCheckNonUnary] = o.checkNonUnary;
    out[kBugDelay] = o.bugDelay;
    PutString(out, kFontName, o.fontName);
    out[kFontStyle] = o.fontStyle;
    out[kReserved283] = o.reserved283;
    PutU32(out, kFontSize, o.fontSize);
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        PutString(out, kRecentFiles + i * kStringSlot, o.recentFiles[i]);
    }
    PutU32(out, kShell82, o.shell82);
    PutU32(out, kShell83, o.shell83);
    return out;
}

std::optional<Options> DecodeOptions(std::span<const std::uint8_t> in)
{
    if (in.size() < kOptionsSize) {
        return std::nullopt;
    }
    Options o;
    o.ti83Mode = in[kTi83Mode] != 0;
    std::copy(in.begin() + kReserved1, in.begin() + kReserved1 + 3, o.reserved1.begin());
    o.linkType = GetU32(in, kLinkType);
    o.linkPort = GetU32(in, kLinkPort);
    o.insertHeader = in[kInsertHeader] != 0;
    o.autoSave = in[kAutoSave] != 0;
    o.reserved14 = in[kReserved14];
    o.displayListing = in[kDisplayListing] != 0;
    o.outputListing = in[kOutputListing] != 0;
    o.includeLabels = in[kIncludeLabels] != 0;
    o.expandMacros = in[kExpandMacros] != 0;
    o.pageListing = in[kPageListing] != 0;
    o.ignoreCase = in[kIgnoreCase] != 0;
    o.checkIllegal = in[kCheckIllegal] != 0;
    o.checkUnused = in[kCheckUnused] != 0;
    o.checkDuplicate = in[kCheckDuplicate] != 0;
    o.checkNonUnary = in[kCheckNonUnary] != 0;
    o.bugDelay = in[kBugDelay] != 0;
    o.fontName = GetString(in, kFontName);
    o.fontStyle = in[kFontStyle];
    o.reserved283 = in[kReserved283];
    o.fontSize = GetU32(in, kFontSize);
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        o.recentFiles[i] = GetString(in, kRecentFiles + i * kStringSlot);
    }
    o.shell82 = GetU32(in, kShell82);
    o.shell83 = GetU32(in, kShell83);
    return o;
}

} // namespace vexil::app
