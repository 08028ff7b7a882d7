// SPDX-License-Identifier: GPL-3.0-or-later
// A sprite: the 96 x 64 cells of the calculator screen, on (black) or off, of which
// the top-left width x height part is the sprite itself.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

namespace vexil::tools {

inline constexpr int kSpriteColumns = 96;
inline constexpr int kSpriteRows = 64;

class SpriteGrid {
public:
    // Cells outside the grid read as off; setting them does nothing.
    bool at(int x, int y) const { return inside(x, y) && bits_[index(x, y)]; }
    void set(int x, int y, bool on)
    {
        if (inside(x, y)) {
            bits_[index(x, y)] = on;
        }
    }
    void clear() { bits_.reset(); }
    bool operator==(const SpriteGrid &) const = default;

    static bool inside(int x, int y)
    {
        return x >= 0 && x < kSpriteColumns && y >= 0 && y < kSpriteRows;
    }

private:
    static std::size_t index(int x, int y)
    {
        return static_cast<std::size_t>(y * kSpriteColumns + x);
    }
    std::bitset<kSpriteColumns * kSpriteRows> bits_;
};

struct Sprite {
    SpriteGrid cells;
    int width = 10;  // 1 to kSpriteColumns
    int height = 10; // 1 to kSpriteRows
    bool operator==(const Sprite &) const = default;
};

// The bytes of one row of cells from (x, y), width cells wide: bit 7 of the first byte
// is the leftmost cell, an on cell is a 1 bit, and bits past the width are 0.
std::vector<std::uint8_t> RowBytes(const SpriteGrid &cells, int x, int y, int width);

// Copies the top-left width x height cells of source into target and takes over its
// size; target's other cells keep their state.
void PasteSprite(const Sprite &source, Sprite &target);

} // namespace vexil::tools
