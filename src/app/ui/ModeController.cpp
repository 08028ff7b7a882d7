// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ModeController.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace vexil::app {

ModeController::ModeController(Options &options, MainActions &actions, QObject *parent)
    : QObject(parent), options_(options), actions_(actions)
{
    connect(actions_.mode82, &QAction::triggered, this, &ModeController::setTI82Mode);
    connect(actions_.mode83, &QAction::triggered, this, &ModeController::setTI83Mode);
    for (std::size_t i = 0; i < assemble::kShellTargets.size(); ++i) {
        connect(actions_.target[i], &QAction::triggered, this,
                [this, i] { chooseTarget(assemble::kShellTargets[i]); });
    }
    connect(actions_.modeList, &QComboBox::activated, this, [this](int index) {
        if (index == 1) {
            setTI83Mode();
        } else {
            setTI82Mode();
        }
    });
    // Each list holds its model's two shells in target order.
    connect(actions_.shell82List, &QComboBox::activated, this, [this](int index) {
        chooseTarget(index == 1 ? assemble::ShellTarget::CrASH : assemble::ShellTarget::Ash);
    });
    connect(actions_.shell83List, &QComboBox::activated, this, [this](int index) {
        chooseTarget(index == 1 ? assemble::ShellTarget::AShell83 : assemble::ShellTarget::TI83);
    });
}

void ModeController::setTI82Mode()
{
    options_.ti83Mode = false;
    showState();
}

void ModeController::setTI83Mode()
{
    options_.ti83Mode = true;
    showState();
}

void ModeController::chooseTarget(assemble::ShellTarget target)
{
    SelectTarget(options_, target);
    showState();
}

void ModeController::applyStoredMode()
{
    // Stored shell numbers outside the lists count as the first shell.
    NormalizeShells(options_);
    if (options_.ti83Mode) {
        setTI83Mode();
    } else {
        setTI82Mode();
    }
}

void ModeController::showHeaderItems()
{
    QAction *header = actions_.headerFile;
    QAction *include = actions_.includeFile;
    const assemble::ShellTarget shown = target();
    switch (shown) {
    case assemble::ShellTarget::Ash:
        header->setText(QStringLiteral("&TI82.H"));
        SetHint(header, QStringLiteral("Open the TI-82 assembler header file (TI82.H)."));
        include->setText(QStringLiteral("&KEYS.INC"));
        SetHint(include, QStringLiteral("Open the TI-82 keystroke include file (KEYS.INC)."));
        break;
    case assemble::ShellTarget::TI83:
    case assemble::ShellTarget::AShell83:
        header->setText(QStringLiteral("&TI83ASM.INC"));
        SetHint(header, QStringLiteral("Opens the TI-83 assembler header file (TI83ASM.INC)"));
        include->setText(QStringLiteral("TO&KENS.INC"));
        SetHint(include, QStringLiteral("Opens the TI-83 token include file (TOKENS.INC)"));
        break;
    case assemble::ShellTarget::CrASH:
        header->setText(QStringLiteral("C&RASH82.INC"));
        SetHint(header, QStringLiteral("Open the CrASH header file (CRASH82.INC)."));
        break;
    }
    // CrASH has no keystroke include file of its own.
    const bool hasInclude = !assemble::Describe(shown).includeFile.empty();
    include->setVisible(hasInclude);
    include->setEnabled(hasInclude);
}

void ModeController::showState()
{
    const bool ti83 = options_.ti83Mode;
    actions_.mode82->setChecked(!ti83);
    actions_.mode83->setChecked(ti83);
    // Each model's shell stays checked, whichever mode is on.
    for (std::size_t i = 0; i < assemble::kShellTargets.size(); ++i) {
        const assemble::ShellTarget shell = assemble::kShellTargets[i];
        Options ofModel = options_;
        ofModel.ti83Mode = assemble::Describe(shell).model == varfile::CalcModel::TI83;
        actions_.target[i]->setChecked(SelectedTarget(ofModel) == shell);
    }
    {
        const QSignalBlocker a(actions_.modeList);
        const QSignalBlocker b(actions_.shell82List);
        const QSignalBlocker c(actions_.shell83List);
        actions_.modeList->setCurrentIndex(ti83 ? 1 : 0);
        actions_.shell82List->setCurrentIndex(static_cast<int>(options_.shell82));
        actions_.shell83List->setCurrentIndex(static_cast<int>(options_.shell83));
    }
    actions_.shell82ListAction->setVisible(!ti83);
    actions_.shell83ListAction->setVisible(ti83);
    SetHint(actions_.assembleAndSend,
            ti83 ? QStringLiteral("Assemble and Send (F8)|Assemble current source file and send "
                                  "to TI-83.")
                 : QStringLiteral("Assemble and Send (F8)|Assemble current source file and send "
                                  "to TI-82."));
    showHeaderItems();
    emit modeChanged();
}

} // namespace vexil::app
