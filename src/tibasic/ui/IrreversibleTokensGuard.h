// SPDX-License-Identifier: GPL-3.0-or-later
// What a token text editor does with a file whose tokens do not decode reversibly
// (an assembly program, tokens of a later calculator): it shows what it can, tells
// the user once the file is open, and asks before a save replaces those bytes. The
// program, string and equation editors all keep one of these.
#pragma once

#include "tibasic/TokenList.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace vexil::tibasic::ui {

class IrreversibleTokensGuard {
public:
    // Checks the tokens just loaded; `streamOffset` is where they start in the file.
    void check(CalcModel model, std::span<const std::uint8_t> tokens, std::size_t streamOffset);
    // Nothing loaded any more that a save could lose.
    void forget() { problem_.clear(); }
    bool armed() const { return !problem_.isEmpty(); }

    // After loading: a warning about the file, when there is something to say.
    void tellUser(const QString &fileName) const;
    // Before saving: true when nothing is lost or the user agrees to the change.
    bool allowSave(const QString &fileName) const;

private:
    QString problem_;
};

} // namespace vexil::tibasic::ui
