// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TokenInsertion.h"

#include "base/ui/DialogService.h"
#include "base/ui/MainFrame.h"
#include "base/ui/TfrmVarTemplate.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vexil::tibasic::ui {

namespace {

QString ModelName(CalcModel model)
{
    return model == CalcModel::TI82 ? QStringLiteral("TI-82") : QStringLiteral("TI-83");
}

QString EditorWord(TokenTargetKind kind)
{
    switch (kind) {
    case TokenTargetKind::Program:
        return QStringLiteral("program file");
    case TokenTargetKind::Function:
        return QStringLiteral("function");
    case TokenTargetKind::Gdb:
        return QStringLiteral("GDB");
    case TokenTargetKind::String:
        break;
    }
    return QStringLiteral("string");
}

} // namespace

CurrentTokenTarget FindTokenTarget(uibase::MainFrame &frame)
{
    // The current window rather than the focused one: the keypad has the focus.
    QMdiSubWindow *sub = frame.mdiArea().currentSubWindow();
    auto *document =
        sub != nullptr ? dynamic_cast<uibase::TfrmVarTemplate *>(sub->widget()) : nullptr;
    auto *target = dynamic_cast<TokenInsertTarget *>(document);
    if (target == nullptr) {
        return {};
    }
    return {target, document->IsTI82 ? CalcModel::TI82 : CalcModel::TI83};
}

QString CrossModelWarning(CalcModel keypad, TokenTargetKind editor)
{
    const CalcModel other = keypad == CalcModel::TI82 ? CalcModel::TI83 : CalcModel::TI82;
    return QStringLiteral("You cannot insert tokens from the %1 keypad into a %2 %3.")
        .arg(ModelName(keypad), ModelName(other), EditorWord(editor));
}

InsertOutcome InsertToken(uibase::MainFrame &frame, CalcModel keypad, std::string_view eightBit)
{
    const CurrentTokenTarget current = FindTokenTarget(frame);
    if (current.target == nullptr) {
        uibase::Dialogs().beep();
        return InsertOutcome::Beeped;
    }
    if (current.model != keypad) {
        uibase::Dialogs().message(uibase::MessageKind::Warning,
                                  CrossModelWarning(keypad, current.target->tokenTargetKind()),
                                  uibase::Buttons::Ok);
        return InsertOutcome::Warned;
    }
    current.target->insertTokenText(eightBit);
    return InsertOutcome::Inserted;
}

bool InsertSymbolText(uibase::MainFrame &frame, const InsertSymbol &symbol)
{
    const CurrentTokenTarget current = FindTokenTarget(frame);
    if (current.target == nullptr ||
        current.target->tokenTargetKind() != TokenTargetKind::Program) {
        return false;
    }
    const auto &text = symbol.textFor(current.model);
    if (!text) {
        return false;
    }
    current.target->insertTokenText(*text);
    return true;
}

} // namespace vexil::tibasic::ui
