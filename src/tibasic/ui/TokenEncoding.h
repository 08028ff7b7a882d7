// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the text of a token text box: the "Progress" window that long saves
// show, and the encoding token by token with the bar following the position in the
// text. The program and equation editors share both.
#pragma once

#include "tibasic/TokenList.h"
#include "tibasic/ui/EightBitText.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace vexil::uibase {
class ProgressWindow;
}

namespace vexil::tibasic::ui {

// "Saving " + the file's name + "...", shown at once.
std::unique_ptr<uibase::ProgressWindow> ShowSavingProgress(QWidget *parent,
                                                           const QString &fileName);

struct EncodedTokenText {
    std::optional<std::vector<std::uint8_t>> tokens; // nothing when a character starts no token
    int failedEditorOffset = -1;                     // where the caret goes then
};

// `progress` may be null.
EncodedTokenText EncodeTokenText(CalcModel model, const EightBitText &text,
                                 uibase::ProgressWindow *progress);

} // namespace vexil::tibasic::ui
