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

void appendHex(std::string &out, unsigned value, int digits)
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
            appendHex(out, data[i], 2);
        }
    }
};

template <class Sink>
void forEachRecord(const MemoryImage &image, unsigned size, bool contiguous, Sink sink)
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

void intelRecord(std::string &out, const Record &r)
{
    out += ':';
    appendHex(out, r.count, 2);
    appendHex(out, r.address, 4);
    out += "00";
    r.appendData(out);
    appendHex(out, (0x100 - (r.byteSum() & 0xFF)) & 0xFF, 2);
    out += '\n';
}

void mosTechRecord(std::string &out, const Record &r)
{
    out += ';';
    appendHex(out, r.count, 2);
    appendHex(out, r.address, 4);
    r.appendData(out);
    appendHex(out, r.byteSum() & 0xFFFF, 4);
    out += '\n';
}

// The closing record carries the number of data records where the address would be.
void mosTechEnd(std::string &out, unsigned records)
{
    records &= 0xFFFF;
    out += ";00";
    appendHex(out, records, 4);
    appendHex(out, (records >> 8) + (records & 0xFF), 4);
    out += '\n';
}

void motorolaRecord(std::string &out, const Record &r)
{
    out += "S1";
    appendHex(out, r.count + 3, 2);
    appendHex(out, r.address, 4);
    r.appendData(out);
    appendHex(out, ~(r.byteSum() + 3) & 0xFF, 2);
    out += '\n';
}

} // namespace

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

std::string hexRecords(const MemoryImage &image, ObjectFormat format, int recordBytes,
                       bool contiguous)
{
    unsigned size = recordBytes < 1 || recordBytes > 255 ? kDefaultRecordBytes
                                                         : static_cast<unsigned>(recordBytes);
    std::string out;
    switch (format) {
    case ObjectFormat::MosTechHex: {
        unsigned records = 0;
        forEachRecord(image, size, contiguous, [&](const Record &r) {
            mosTechRecord(out, r);
            ++records;
        });
        mosTechEnd(out, records);
        break;
    }
    case ObjectFormat::MotorolaHex:
        forEachRecord(image, std::min(size, kMaxMotorolaData), contiguous,
                      [&](const Record &r) { motorolaRecord(out, r); });
        out += "S9030000FC\n";
        break;
    case ObjectFormat::IntelWordHex:
        forEachRecord(image, size, contiguous, [&](Record r) {
            r.address /= 2;
            intelRecord(out, r);
        });
        out += ":00000001FF\n";
        break;
    default:
        forEachRecord(image, size, contiguous, [&](const Record &r) { intelRecord(out, r); });
        out += ":00000001FF\n";
        break;
    }
    return out;
}

std::string objectFile(const MemoryImage &image, const Options &options)
{
    if (options.objectFormat == ObjectFormat::Binary) {
        return binaryImage(image);
    }
    return hexRecords(image, options.objectFormat, options.hexRecordBytes, options.contiguous);
}

} // namespace vexil::tasm
