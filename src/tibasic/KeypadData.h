// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for writing the keyboard tables down: texts in the {XX} glyph notation,
// actions in a word or two. Internal to the keypads; everyone else goes through
// Keypad.h.
#pragma once

#include "tibasic/Keypad.h"

namespace vexil::tibasic::detail {

KeyAction Insert(const char *text);
KeyAction Open(MenuId menu);
inline const KeyAction kNothing{};
inline const KeyAction kLink{KeyActionKind::OpenLinkManager, {}, {}};
inline const KeyAction kOff{KeyActionKind::CloseKeypad, {}, {}};
inline const KeyAction kCatalog{KeyActionKind::OpenCatalog, {}, {}};

KeypadKey Key(int tag, const char *face, const char *secondCaption, const char *alphaCaption,
              KeyAction normal, KeyAction second, KeyAction alpha);
// A key whose action is the same on every layer.
KeypadKey Key(int tag, const char *face, const char *secondCaption, KeyAction every);
// The four arrows, 2nd and ALPHA and the other keys that insert nothing.
KeypadKey Key(int tag, const char *face, const char *secondCaption = "");

std::vector<KeypadKey> BuildTI82Keys();
std::vector<KeypadKey> BuildTI83Keys();

} // namespace vexil::tibasic::detail
