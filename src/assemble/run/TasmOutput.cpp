// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/TasmOutput.h"

#include "base/AsciiText.h"

namespace vexil::assemble::run {
namespace {

constexpr std::size_t kBannerLines = 2;
constexpr std::string_view kPassOne = "tasm: pass 1 complete.";
constexpr std::string_view kPassTwo = "tasm: pass 2 complete.";

// A final line break ends the last line; it does not start an empty one.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

std::vector<std::string> ReadTasmErrorLines(std::string_view output)
{
    const std::vector<std::string_view> lines = SplitLines(output);
    std::vector<std::string> errors;
    for (std::size_t i = kBannerLines; i < lines.size(); ++i) {
        if (lines[i] == kPassOne || lines[i] == kPassTwo) {
            continue;
        }
        errors.push_back(base::AsciiLower(lines[i]));
    }
    return errors;
}

} // namespace vexil::assemble::run
