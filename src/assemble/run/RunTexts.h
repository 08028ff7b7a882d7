// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a run shows, in one place so the windows and vexil-cli say the same.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vexil::assemble::run {

inline constexpr std::string_view kProgressCaption = "Assembling";
inline constexpr std::string_view kProgressText =
    "Please wait while TASM assembles your source file...";
inline constexpr std::string_view kCancelledStatus = "Assembly cancelled by user.";
inline constexpr std::string_view kFailedStatus = "There were errors during assembly.";
inline constexpr std::string_view kSucceededStatus = "No errors detected during assembly.";
inline constexpr std::string_view kSaveQuestion = "Current source file has changed.  Save it now?";
inline constexpr std::string_view kListingCaptionPrefix = "Output: ";

// "Assembling <source>..."
std::string AssemblingStatus(const std::filesystem::path &source);

// "Assemble Source File", with " and Send to TI-82" or "... TI-83" for a run that sends.
std::string AssembleDialogCaption(bool sendAfterAssembly, bool ti83Mode);

// "About to assemble <file name>."
std::string AboutToAssembleLabel(const std::filesystem::path &source);

// "Output: <file name of the listing>", the caption the listing window is found by.
std::string ListingWindowCaption(const std::filesystem::path &listingFile);

} // namespace vexil::assemble::run
