// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/RunTexts.h"

namespace vexil::assemble::run {

std::string AssemblingStatus(const std::filesystem::path &source)
{
    return "Assembling " + source.string() + "...";
}

std::string AssembleDialogCaption(bool sendAfterAssembly, bool ti83Mode)
{
    std::string caption = "Assemble Source File";
    if (sendAfterAssembly) {
        caption += " and Send to TI-8";
        caption += ti83Mode ? "3" : "2";
    }
    return caption;
}

std::string AboutToAssembleLabel(const std::filesystem::path &source)
{
    return "About to assemble " + source.filename().string() + ".";
}

std::string ListingWindowCaption(const std::filesystem::path &listingFile)
{
    return std::string(kListingCaptionPrefix) + listingFile.filename().string();
}

} // namespace vexil::assemble::run
