// SPDX-License-Identifier: GPL-3.0-or-later
// Garbage from the cable into the packet layer: packets are received (and
// damaged ones asked for again) until the bytes run out, which reads as a
// time-out.
#include "link/Link.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

namespace {

using namespace vexil::link;

class ByteSource final : public ByteTransport {
public:
    ByteSource(const uint8_t *data, size_t size) : bytes_(data, data + size) {}
    void sendByte(uint8_t) override {}
    std::optional<uint8_t> receiveByte() override
    {
        if (bytes_.empty()) {
            return std::nullopt;
        }
        const uint8_t b = bytes_.front();
        bytes_.pop_front();
        return b;
    }
    bool dataReady() override { return !bytes_.empty(); }
    void releaseLines() override {}
    uint8_t readLines() override { return 0x30; }
    bool lastByteTimedOut() const override { return bytes_.empty(); }

private:
    std::deque<uint8_t> bytes_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 18) {
        return 0;
    }
    QuietHost host;
    Link link(host);
    link.useTransport(std::make_unique<ByteSource>(data, size));
    while (!link.check()) {
        Packet packet;
        link.ReceivePacketChecked(packet, true);
        if (packet.size() < 4 ||
            (!IsHeaderOnly(packet) && packet.size() != LengthField(packet) + 6u)) {
            __builtin_trap();
        }
    }
    return 0;
}
