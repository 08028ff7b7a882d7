// SPDX-License-Identifier: GPL-3.0-or-later
// The 64 KB target memory and which of its bytes the program wrote. Memory is
// taken a 256-byte page at a time as the program writes it: a calculator program
// fills a few hundred bytes, and a run should not pay for the other 64 KB.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>

namespace vexil::tasm {

class MemoryImage {
public:
    explicit MemoryImage(std::uint8_t fill = 0) : fill_(fill) {}

    void write(std::uint16_t address, std::uint8_t value)
    {
        std::unique_ptr<Page> &page = pages_[address >> 8];
        if (!page) {
            page = std::make_unique<Page>();
            page->bytes.fill(fill_);
        }
        page->bytes[address & 0xFF] = value;
        if (!page->written[address & 0xFF]) {
            page->written[address & 0xFF] = true;
            ++count_;
        }
        if (count_ == 1 || address < low_) {
            low_ = address;
        }
        if (count_ == 1 || address > high_) {
            high_ = address;
        }
    }
    std::uint8_t at(std::uint16_t address) const
    {
        const Page *page = pages_[address >> 8].get();
        return page ? page->bytes[address & 0xFF] : fill_;
    }
    bool written(std::uint16_t address) const
    {
        const Page *page = pages_[address >> 8].get();
        return page && page->written[address & 0xFF];
    }
    bool empty() const { return count_ == 0; }
    std::uint16_t low() const { return low_; }
    std::uint16_t high() const { return high_; }

private:
    struct Page {
        std::array<std::uint8_t, 256> bytes;
        std::bitset<256> written;
    };

    std::array<std::unique_ptr<Page>, 256> pages_{};
    std::uint8_t fill_;
    std::size_t count_ = 0;
    std::uint16_t low_ = 0;
    std::uint16_t high_ = 0;
};

} // namespace vexil::tasm
