// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmKeypad.h"

#include "base/AsciiText.h"
#include "base/ui/DialogService.h"
#include "tibasic/ui/KeypadFace.h"
#include "tibasic/ui/TfrmKeypadMenu.h"
#include "tibasic/ui/TokenInsertion.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <cctype>

namespace vexil::tibasic::ui {

namespace {

constexpr int kEnterKey = 105;
constexpr char kTheta = '\xC1';

// The key whose `layer` types exactly `text`.
const KeypadKey *KeyTyping(CalcModel model, KeyLayer layer, const std::string &text)
{
    for (const KeypadKey &key : KeypadKeys(model)) {
        const KeyAction &action = key.action(layer);
        if (action.kind == KeyActionKind::Insert && action.text == text) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace

TfrmKeypad::TfrmKeypad(uibase::MainFrame &frame, CalcModel model, TfrmKeypadMenu &menu,
                       QWidget *parent)
    : QWidget(parent, Qt::Tool), frame_(frame), model_(model), menu_(menu),
      face_(new KeypadFace(model, this))
{
    const QString name =
        model == CalcModel::TI82 ? QStringLiteral("TI-82") : QStringLiteral("TI-83");
    setObjectName(model == CalcModel::TI82 ? QStringLiteral("frmKeypad82")
                                           : QStringLiteral("frmKeypad83"));
    setWindowTitle(QStringLiteral("%1 Keypad").arg(name));
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(face_);
    connect(face_, &KeypadFace::keyClicked, this, &TfrmKeypad::pressKey);
    connect(face_, &KeypadFace::captionClicked, this, &TfrmKeypad::clickCaption);
    resize(face_->sizeHint());
}

void TfrmKeypad::pressKey(int tag)
{
    if (const KeypadKey *key = FindKeypadKey(model_, tag)) {
        const KeyAction action = state_.press(*key);
        face_->showState(state_);
        perform(action);
    }
}

void TfrmKeypad::clickCaption(int tag, KeyLayer layer)
{
    if (const KeypadKey *key = FindKeypadKey(model_, tag)) {
        const KeyAction action = state_.clickCaption(*key, layer);
        face_->showState(state_);
        perform(action);
    }
}

void TfrmKeypad::perform(const KeyAction &action)
{
    switch (action.kind) {
    case KeyActionKind::None:
        break;
    case KeyActionKind::Insert:
        InsertToken(frame_, model_, action.text);
        break;
    case KeyActionKind::OpenMenu:
        if (const TokenMenu *menu = FindTokenMenu(model_, action.menu)) {
            menu_.ShowMenu(model_, *menu, frameGeometry());
        }
        break;
    case KeyActionKind::OpenCatalog:
        if (openCatalog_) {
            openCatalog_();
        }
        break;
    case KeyActionKind::OpenLinkManager:
        if (openLinkManager_) {
            openLinkManager_();
        } else {
            uibase::Dialogs().beep();
        }
        break;
    case KeyActionKind::CloseKeypad:
        close();
        break;
    }
}

bool TfrmKeypad::typeCharacter(const QString &text)
{
    if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() >= 0x7F) {
        return false;
    }
    const char typed = text[0].toLatin1();
    // Letters are typed as with ALPHA, whatever the state; "@" is theta as in names.
    if (std::isalpha(static_cast<unsigned char>(typed)) || typed == '@') {
        const std::string letter(1, typed == '@' ? kTheta : base::AsciiUpper(typed));
        if (const KeypadKey *key = KeyTyping(model_, KeyLayer::Alpha, letter)) {
            clickCaption(key->tag, KeyLayer::Alpha);
            return true;
        }
        return false;
    }
    const std::string character(1, typed);
    if (const KeypadKey *key = KeyTyping(model_, KeyLayer::Normal, character)) {
        pressKey(key->tag);
        return true;
    }
    for (const KeyLayer layer : {KeyLayer::Alpha, KeyLayer::Second}) {
        if (const KeypadKey *key = KeyTyping(model_, layer, character)) {
            clickCaption(key->tag, layer);
            return true;
        }
    }
    return false;
}

void TfrmKeypad::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers & ~Qt::ShiftModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pressKey(kEnterKey);
        return;
    }
    if (!typeCharacter(event->text())) {
        QWidget::keyPressEvent(event);
    }
}

void TfrmKeypad::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}

} // namespace vexil::tibasic::ui
