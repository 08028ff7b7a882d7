// SPDX-License-Identifier: GPL-3.0-or-later
// The TASMERRFORMAT layout comes from the user's environment: any layout with any
// file name, line and message must give a line of bounded length, and a layout the
// formatter does not take must give the default line.
//
// Input: 4 bytes of line number, a byte whose low bit says whether there is a
// detail, then layout, file, message and detail separated by NUL bytes.
#include "tasm/Diagnostics.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 5 || size > 4096) {
        return 0;
    }
    vexil::tasm::Diagnostic d;
    std::int32_t line = 0;
    std::memcpy(&line, data, sizeof line);
    d.line = line;
    d.hasDetail = (data[4] & 1) != 0;
    std::vector<std::string> fields(4);
    std::size_t field = 0;
    for (std::size_t i = 5; i < size; ++i) {
        if (data[i] == 0 && field + 1 < fields.size()) {
            ++field;
        } else {
            fields[field].push_back(static_cast<char>(data[i]));
        }
    }
    const std::string &layout = fields[0];
    d.file = fields[1];
    d.message = fields[2];
    d.detail = fields[3];

    const std::string line1 = vexil::tasm::FormatDiagnostic(d, layout);
    const std::string fallback = vexil::tasm::FormatDiagnostic(d);
    // The same inputs give the same line.
    if (line1 != vexil::tasm::FormatDiagnostic(d, layout)) {
        std::abort();
    }
    // No conversion grows past its width limit or its value: at most the layout,
    // four widths and the four values.
    const std::size_t values = d.file.size() + 12 + d.message.size() + d.detail.size() + 2;
    if (line1.size() > layout.size() + 4 * 256 + values && line1 != fallback) {
        std::abort();
    }
    // A layout without conversions and escapes is printed as it stands.
    if (!layout.empty() && layout.find('%') == std::string::npos &&
        layout.find("\\n") == std::string::npos && line1 != layout) {
        std::abort();
    }
    // The default line always names the file and the four-digit line first.
    if (fallback.compare(0, d.file.size(), d.file) != 0) {
        std::abort();
    }
    return 0;
}
