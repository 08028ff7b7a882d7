// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/ObjectWriters.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vexil::tasm {

namespace {

constexpr unsigned kDefaultRecordBytes = 24;
// A Motorola count byte also covers the address and the checksum.
constexpr unsigned kMaxMotorolaData = 0xFF - 3;

void AppendHex(std::string &out, unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += kDigits[(value >> shift) & 0xF];
    }
}

struct Record {
    unsigned address = 0;
    const std::uint8_t *data = nullptr;
    unsigned count = 0;

    // Count, both address bytes and the data: every format's checksum starts here.
    unsigned byteSum() const
    {
        unsigned sum = count + (address >> 8) + (address & 0xFF);
        for (unsigned i = 0; i < count; ++i) {
            sum += data[i];
        }
        return sum;
    }
    void appendData(std::string &out) const
    {
        for (unsigned i = 0; i < count; ++i) {
            AppendHex(out, data[i], 2);
        }
    }
};

template <class Sink>
void ForEachRecord(const MemoryImage &image, unsigned size, bool contiguous, Sink sink)
{
    if (image.empty()) {
        return;
    }
    std::array<std::uint8_t, 256> buffer{};
    Record r{0, buffer.data(), 0};
    auto flush = [&] {
        if (r.count) {
            sink(r);
            r.count = 0;
        }
    };
    for (unsigned a = image.low(); a <= image.high(); ++a) {
        auto address = static_cast<std::uint16_t>(a);
        if (!contiguous && !image.written(address)) {
            flush();
            continue;
        }
        if (r.count == 0) {
            r.address = a;
        }
        buffer[r.count++] = image.at(address);
        if (r.count == size) {
            flush();
        }
    }
    flush();
}

void IntelRecord(std::string &out, const Record &r)
{
    out += ':';
    AppendHex(out, r.count, 2);
    AppendHex(out, r.address, 4);
    out += "00";
    r.appendData(out);
    AppendHex(out, (0x100 - (r.byteSum() & 0xFF)) & 0xFF, 2);
    out += '\n';
}

void MosTechRecord(std::string &out, const Record &r)
{
    out += ';';
    AppendHex(out, r.count, 2);
    AppendHex(out, r.address, 4);
    r.appendData(out);
    AppendHex(out, r.byteSum() & 0xFFFF, 4);
    out += '\n';
}

// The closing record carries the number of data records where the address would be.
void MosTechEnd(std::string &out, unsigned records)
{
    records &= 0xFFFF;
    out += ";00";
    AppendHex(out, records, 4);
    AppendHex(out, (records >> 8) + (records & 0xFF), 4);
    out += '\n';
}

void MotorolaRecord(std::string &out, const Record &r)
{
    out += "S1";
    AppendHex(out, r.count + 3, 2);
    AppendHex(out, r.address, 4);
    r.appendData(out);
    AppendHex(out, ~(r.byteSum() + 3) & 0xFF, 2);
    out += '\n';
}

} // namespace

std::string BinaryImage(const MemoryImage &image)
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

std::string HexRecords(const MemoryImage &image, ObjectFormat format, int recordBytes,
                       bool contiguous)
{
    unsigned size = recordBytes < 1 || recordBytes > 255 ? kDefaultRecordBytes
                                                         : static_cast<unsigned>(recordBytes);
    std::string out;
    switch (format) {
    case ObjectFormat::MosTechHex: {
        unsigned records = 0;
        ForEachRecord(image, size, contiguous, [&](const Record &r) {
            MosTechRecord(out, r);
            ++records;
        });
        MosTechEnd(out, records);
        break;
    }
    case ObjectFormat::MotorolaHex:
        ForEachRecord(image, std::min(size, kMaxMotorolaData), contiguous,
                      [&](const Record &r) { MotorolaRecord(out, r); });
        out += "S9030000FC\n";
        break;
    case ObjectFormat::IntelWordHex:
        ForEachRecord(image, size, contiguous, [&](Record r) {
            r.address /= 2;
            IntelRecord(out, r);
        });
        out += ":00000001FF\n";
        break;
    default:
        ForEachRecord(image, size, contiguous, [&](const Record &r) { IntelRecord(out, r); });
        out += ":00000001FF\n";
        break;
    }
    return out;
}

std::string ObjectFile(const MemoryImage &image, const Options &options)
{
    if (options.objectFormat == ObjectFormat::Binary) {
        return BinaryImage(image);
    }
    return HexRecords(image, options.objectFormat, options.hexRecordBytes, options.contiguous);
}

} // namespace vexil::tasm
