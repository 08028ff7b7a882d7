// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Keypad.h"

#include "tibasic/GlyphNotation.h"
#include "tibasic/KeypadData.h"

#include <algorithm>

namespace vexil::tibasic {

namespace detail {

KeyAction Insert(const char *text)
{
    return {KeyActionKind::Insert, ExpandGlyphNotation(text), {}};
}

KeyAction Open(MenuId menu)
{
    return {KeyActionKind::OpenMenu, {}, menu};
}

KeypadKey Key(int tag, const char *face, const char *secondCaption, const char *alphaCaption,
              KeyAction normal, KeyAction second, KeyAction alpha)
{
    return {tag,
            GlyphNotationToUtf8(face),
            GlyphNotationToUtf8(secondCaption),
            GlyphNotationToUtf8(alphaCaption),
            std::move(normal),
            std::move(second),
            std::move(alpha)};
}

KeypadKey Key(int tag, const char *face, const char *secondCaption, KeyAction every)
{
    return Key(tag, face, secondCaption, "", every, every, every);
}

KeypadKey Key(int tag, const char *face, const char *secondCaption)
{
    return Key(tag, face, secondCaption, "", kNothing, kNothing, kNothing);
}

} // namespace detail

const KeyAction &KeypadKey::action(KeyLayer layer) const
{
    switch (layer) {
    case KeyLayer::Second:
        return second;
    case KeyLayer::Alpha:
        return alpha;
    case KeyLayer::Normal:
        break;
    }
    return normal;
}

const std::vector<KeypadKey> &KeypadKeys(CalcModel model)
{
    static const std::vector<KeypadKey> ti82 = detail::BuildTI82Keys();
    static const std::vector<KeypadKey> ti83 = detail::BuildTI83Keys();
    return model == CalcModel::TI82 ? ti82 : ti83;
}

const KeypadKey *FindKeypadKey(CalcModel model, int tag)
{
    const std::vector<KeypadKey> &keys = KeypadKeys(model);
    const auto found = std::find_if(keys.begin(), keys.end(),
                                    [tag](const KeypadKey &key) { return key.tag == tag; });
    return found != keys.end() ? &*found : nullptr;
}

KeyLayer KeypadState::currentLayer() const
{
    if (second_) {
        return KeyLayer::Second;
    }
    return alpha_ || alphaLock_ ? KeyLayer::Alpha : KeyLayer::Normal;
}

KeyAction KeypadState::press(const KeypadKey &key)
{
    if (key.tag == kSecondKey) {
        second_ = !second_;
        alpha_ = false;
        return {};
    }
    if (key.tag == kAlphaKey) {
        if (second_) {
            turnAlphaLockOn();
        } else if (alphaLock_) {
            alphaLock_ = false;
        } else {
            alpha_ = !alpha_;
        }
        return {};
    }
    KeyAction action = key.action(currentLayer());
    second_ = false;
    alpha_ = false;
    return action;
}

KeyAction KeypadState::clickCaption(const KeypadKey &key, KeyLayer layer)
{
    if (key.tag == kAlphaKey && layer == KeyLayer::Second) {
        turnAlphaLockOn();
        return {};
    }
    KeyAction action = key.action(layer);
    second_ = false;
    alpha_ = false;
    return action;
}

void KeypadState::turnAlphaLockOn()
{
    second_ = false;
    alpha_ = false;
    alphaLock_ = true;
}

} // namespace vexil::tibasic
