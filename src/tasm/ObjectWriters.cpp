// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/ObjectWriters.h"

#include <cstdio>

namespace vexil::tasm {

std::string binaryImage(const MemoryImage &image)
{
    std::string out;
    if (image.empty()) {
        return out;
    }
    out.reserve(static_cast<std::size_t>(image.high() - image.low() + 1));
    for (unsigned a = image.low(); a <= image.high(); ++a) {
        out += static_cast<char>(image.at(static_cast<std::uint16_t>(a)));
    }
    return out;
}

static void record(std::string &out, unsigned address, const std::uint8_t *data, unsigned count)
{
    char text[16];
    unsigned sum = count + (address >> 8) + (address & 0xFF);
    std::snprintf(text, sizeof text, ":%02X%04X00", count, address);
    out += text;
    for (unsigned i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%02X", data[i]);
        out += text;
        sum += data[i];
    }
    std::snprintf(text, sizeof text, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    out += text;
}

std::string intelHex(const MemoryImage &image, int recordBytes, bool contiguous)
{
    std::string out;
    unsigned size = recordBytes < 1 || recordBytes > 255 ? 24u : static_cast<unsigned>(recordBytes);
    if (!image.empty()) {
        std::uint8_t buffer[256];
        unsigned count = 0;
        unsigned start = 0;
        for (unsigned a = image.low(); a <= image.high(); ++a) {
            bool present = contiguous || image.written(static_cast<std::uint16_t>(a));
            if (!present) {
                if (count) {
                    record(out, start, buffer, count);
                    count = 0;
                }
                continue;
            }
            if (count == 0) {
                start = a;
            }
            buffer[count++] = image.at(static_cast<std::uint16_t>(a));
            if (count == size) {
                record(out, start, buffer, count);
                count = 0;
            }
        }
        if (count) {
            record(out, start, buffer, count);
        }
    }
    out += ":00000001FF\n";
    return out;
}

} // namespace vexil::tasm
