// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteHistory.h"

namespace vexil::tools {

void SpriteHistory::record(const Sprite &before, bool withSize)
{
    states_.push_back({before, withSize});
    if (states_.size() > depth_) {
        states_.pop_front();
    }
}

bool SpriteHistory::undo(Sprite &sprite)
{
    if (states_.empty()) {
        return false;
    }
    const State state = states_.back();
    states_.pop_back();
    sprite.cells = state.sprite.cells;
    if (state.withSize) {
        sprite.width = state.sprite.width;
        sprite.height = state.sprite.height;
    }
    return true;
}

} // namespace vexil::tools
