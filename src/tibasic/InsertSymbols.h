// SPDX-License-Identifier: GPL-3.0-or-later
// The glyphs a program editor can type with Ctrl+Shift and a key: the symbols a PC
// keyboard lacks, each as the token text of either model (none where the TI-82
// has no such token).
#pragma once

#include "varfile/CalcModel.h"

#include <optional>
#include <string>
#include <vector>

namespace vexil::tibasic {

using varfile::CalcModel;

struct InsertSymbol {
    std::string command;  // the menu command's caption
    std::string shortcut; // the key that goes with Ctrl+Shift, as a key sequence names it
    std::optional<std::string> ti82; // 8-bit texts
    std::optional<std::string> ti83;

    const std::optional<std::string> &textFor(CalcModel model) const
    {
        return model == CalcModel::TI82 ? ti82 : ti83;
    }
};

const std::vector<InsertSymbol> &InsertSymbols();

} // namespace vexil::tibasic
