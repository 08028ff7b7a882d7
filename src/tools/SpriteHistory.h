// SPDX-License-Identifier: GPL-3.0-or-later
// Undo for the Sprite Editor: the sprite as it was before each change. A stroke of
// the pen or Clear puts back the cells only; undoing a load also puts back the size
// the load replaced.
#pragma once

#include "tools/Sprite.h"

#include <cstddef>
#include <deque>

namespace vexil::tools {

class SpriteHistory {
public:
    explicit SpriteHistory(std::size_t depth = 200) : depth_(depth) {}

    // Call before changing the sprite; withSize when the change also sets its size.
    void record(const Sprite &before, bool withSize);
    bool canUndo() const { return !states_.empty(); }
    // Takes back the last change; false when there is none.
    bool undo(Sprite &sprite);
    void clear() { states_.clear(); }

private:
    struct State {
        Sprite sprite;
        bool withSize;
    };
    std::size_t depth_;
    std::deque<State> states_;
};

} // namespace vexil::tools
