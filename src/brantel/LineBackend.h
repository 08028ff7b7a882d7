// SPDX-License-Identifier: GPL-3.0-or-later
// The register model every cable back-end presents to the bit protocol.
#pragma once

#include <chrono>
#include <cstdint>

namespace vexil::brantel {

// Output value bits: bit 0 releases line A, bit 1 releases line B (a 0 pulls low).
inline constexpr uint8_t kReleaseBoth = 3;
inline constexpr uint8_t kPullLineA = 2;
inline constexpr uint8_t kPullLineB = 1;

// Input bits: line A reads on bit 5, line B on bit 4; 1 means high.
inline constexpr uint8_t kLineMask = 0x30;
inline constexpr uint8_t kLineAHigh = 0x20;
inline constexpr uint8_t kLineBHigh = 0x10;

class LineBackend {
public:
    virtual ~LineBackend() = default;
    // value is 1, 2 or 3 in the output register model above.
    virtual void drive(uint8_t value) = 0;
    // The input register; callers look at kLineMask only.
    virtual uint8_t sample() = 0;
    // The longest a released line may still read low. Zero where a sample always
    // shows the last drive at once.
    virtual std::chrono::nanoseconds settleTime() const { return {}; }
};

// Nothing attached: both lines read high and writes go nowhere, exactly like an
// unplugged cable, so a transfer waits until it is aborted.
class DisconnectedLines final : public LineBackend {
public:
    void drive(uint8_t) override {}
    uint8_t sample() override { return kLineMask; }
};

} // namespace vexil::brantel
