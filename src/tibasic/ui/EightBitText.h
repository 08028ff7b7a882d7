// SPDX-License-Identifier: GPL-3.0-or-later
// Between what a token text editor shows (Unicode, one "\n" per line break) and the
// 8-bit text the tokenizer works on (Keyboard Font code points, CR LF). Positions
// map both ways so a tokenizer failure can put the caret on the right character
// even where one 8-bit character is two UTF-16 units (𝑒, x̄, ⁻¹) or a line break
// counts as two.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace vexil::tibasic::ui {

struct EightBitText {
    std::string text;               // complete only when ok()
    std::vector<int> editorOffsets; // per byte of `text`, its offset in the editor text
    int failedEditorOffset = -1;    // a character with no Keyboard Font code
    bool ok() const { return failedEditorOffset < 0; }

    // The editor offset of the 0-based byte position; the end of the text for
    // positions past the end.
    int editorOffsetOf(std::size_t bytePosition) const;

    int editorLength = 0;
};

EightBitText ToEightBit(const QString &editorText);

// The 8-bit text as the editor shows it.
QString FromEightBit(const std::string &eightBit);

// The text the editor inserts for one 8-bit character (the store arrow for Tab).
QString GlyphText(unsigned char byte);

} // namespace vexil::tibasic::ui
