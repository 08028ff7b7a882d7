// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TextProgress.h"

#include <algorithm>
#include <cstdio>

namespace vexil::cli {

namespace {

constexpr int kBarWidth = 30;

} // namespace

std::string ProgressBar(int position, int max)
{
    const int percent = max <= 0 ? 100 : std::clamp(position * 100 / max, 0, 100);
    const int filled = percent * kBarWidth / 100;
    char tail[8];
    std::snprintf(tail, sizeof tail, "] %3d%%", percent);
    return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, ' ') + tail;
}

void TextProgress::finishLine()
{
    if (barOpen_) {
        out_ << '\n';
        barOpen_ = false;
    }
    out_.flush();
}

void TextProgress::line(const std::string &text)
{
    finishLine();
    out_ << text << '\n' << std::flush;
}

void TextProgress::setStatus(const std::string &text)
{
    // The same status comes again for every resent header; say it once.
    if (text == lastStatus_) {
        return;
    }
    lastStatus_ = text;
    line(text);
}

void TextProgress::setGaugeMax(int max)
{
    max_ = max;
    shownPercent_ = -1;
}

void TextProgress::setGaugePosition(int position)
{
    // Small packets would only flicker: a bar is drawn for real data alone.
    if (max_ < 64) {
        return;
    }
    const int percent = std::clamp(position * 100 / max_, 0, 100);
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    out_ << '\r' << ProgressBar(position, max_) << std::flush;
    barOpen_ = true;
}

void TextProgress::setCaption(const std::string &caption)
{
    line(caption);
}

void TextProgress::setFileNumber(const std::string &text)
{
    line("File " + text);
}

void TextProgress::showDescription(const std::string &text)
{
    if (!text.empty()) {
        line(text);
    }
}

link::transfer::ExistsAnswer TextProgress::askExists(const std::string &message)
{
    line(message);
    static const char *const kChoices[] = {"renamed", "overwritten", "omitted", "quit"};
    line(std::string("  -> ") + kChoices[static_cast<int>(existsChoice)]);
    return {existsChoice, {}};
}

} // namespace vexil::cli

namespace vexil::cli {

std::string ResultText(link::TransferResult result)
{
    switch (result) {
    case link::TransferResult::Ok:
        return "Done.";
    case link::TransferResult::RefusedExit:
        return "The calculator refused the variable and ended the transfer.";
    case link::TransferResult::RefusedSkip:
        return "The calculator skipped the variable.";
    default:
        break;
    }
    std::string text = ResultMessage(result) ? ResultMessage(result) : "";
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace vexil::cli
