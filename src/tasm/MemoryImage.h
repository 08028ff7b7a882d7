// SPDX-License-Identifier: GPL-3.0-or-later
// The 64 KB target memory and which of its bytes the program wrote.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vexil::tasm {

class MemoryImage {
public:
    explicit MemoryImage(std::uint8_t fill = 0) { bytes_.fill(fill); }

    void write(std::uint16_t address, std::uint8_t value)
    {
        bytes_[address] = value;
        if (!written_[address]) {
            written_[address] = true;
            ++count_;
        }
        if (count_ == 1 || address < low_) {
            low_ = address;
        }
        if (count_ == 1 || address > high_) {
            high_ = address;
        }
    }
    std::uint8_t at(std::uint16_t address) const { return bytes_[address]; }
    bool written(std::uint16_t address) const { return written_[address]; }
    bool empty() const { return count_ == 0; }
    std::uint16_t low() const { return low_; }
    std::uint16_t high() const { return high_; }

private:
    std::array<std::uint8_t, 0x10000> bytes_{};
    std::array<bool, 0x10000> written_{};
    std::size_t count_ = 0;
    std::uint16_t low_ = 0;
    std::uint16_t high_ = 0;
};

} // namespace vexil::tasm
