// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' keyboards as data, one table per model, and the 2nd, ALPHA and
// A-LOCK state that decides what a key does. A key is known by its tag, row x 10 +
// column counted from the top left of the keyboard (11 is Y=, 105 is ENTER). Every
// key has an action for each of its three layers: as it is, after 2nd, and after
// ALPHA or with A-LOCK on. The captions printed above a key (its 2nd function and
// its letter) can be clicked too.
#pragma once

#include "tibasic/TokenMenus.h"

#include <string>
#include <vector>

namespace vexil::tibasic {

enum class KeyActionKind {
    None,
    Insert,          // one token's text
    OpenMenu,        // a token menu of the keypad's model
    OpenCatalog,     // the TI-83 catalog
    OpenLinkManager, // the TI-82's LINK
    CloseKeypad,     // OFF
};

struct KeyAction {
    KeyActionKind kind = KeyActionKind::None;
    std::string text;           // Insert: 8-bit token text
    MenuId menu = MenuId::Vars; // OpenMenu

    bool operator==(const KeyAction &) const = default;
};

enum class KeyLayer { Normal, Second, Alpha };

struct KeypadKey {
    int tag;
    // Display texts in UTF-8: the key's face and the captions above it (empty when
    // the key has none).
    std::string face;
    std::string secondCaption;
    std::string alphaCaption;
    KeyAction normal;
    KeyAction second;
    KeyAction alpha; // after ALPHA, or with A-LOCK on

    const KeyAction &action(KeyLayer layer) const;
};

inline constexpr int kSecondKey = 21;
inline constexpr int kAlphaKey = 31;

// Every key of the model's keyboard, row by row.
const std::vector<KeypadKey> &KeypadKeys(CalcModel model);
const KeypadKey *FindKeypadKey(CalcModel model, int tag);

// The three indicators of a keypad. 2nd and ALPHA are never on together; A-LOCK
// stays on across key presses until it is turned off.
class KeypadState {
public:
    bool second() const { return second_; }
    bool alpha() const { return alpha_; }
    bool alphaLock() const { return alphaLock_; }

    // A key pressed: 2nd and ALPHA change the state and do nothing else; any other
    // key gives its action for the current state, and 2nd and ALPHA go off.
    KeyAction press(const KeypadKey &key);

    // A caption above a key clicked: its action at once, whatever the state. The
    // A-LOCK caption of the ALPHA key turns A-LOCK on.
    KeyAction clickCaption(const KeypadKey &key, KeyLayer layer);

    // The layer a press of an ordinary key acts on now.
    KeyLayer currentLayer() const;

private:
    void turnAlphaLockOn();

    bool second_ = false;
    bool alpha_ = false;
    bool alphaLock_ = false;
};

} // namespace vexil::tibasic
