// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keypads, the token menus, the catalog and the Insert Symbol menu put a
// token: into the main window's current document when it is a token editor of the
// keypad's model. An editor of the other model gets a warning instead (its tokens
// differ, so the text would save as something else or not at all); any other
// window gets the beep.
#pragma once

#include "tibasic/InsertSymbols.h"
#include "tibasic/ui/TokenInsertTarget.h"
#include "varfile/CalcModel.h"

#include <QString>

#include <string_view>

namespace vexil::uibase {
class MainFrame;
}

namespace vexil::tibasic::ui {

using varfile::CalcModel;

struct CurrentTokenTarget {
    TokenInsertTarget *target = nullptr; // null when the current document takes no tokens
    CalcModel model = CalcModel::TI83;
};

CurrentTokenTarget FindTokenTarget(uibase::MainFrame &frame);

// "You cannot insert tokens from the TI-82 keypad into a TI-83 program file." and
// its kin.
QString CrossModelWarning(CalcModel keypad, TokenTargetKind editor);

enum class InsertOutcome { Inserted, Warned, Beeped };

// The keypad's insert: `eightBit` is one token's text of the keypad's model.
InsertOutcome InsertToken(uibase::MainFrame &frame, CalcModel keypad, std::string_view eightBit);

// An Insert Symbol command: its glyph for the model of the current program editor.
// Nothing happens in any other window, or where the model has no such token.
bool InsertSymbolText(uibase::MainFrame &frame, const InsertSymbol &symbol);

} // namespace vexil::tibasic::ui
