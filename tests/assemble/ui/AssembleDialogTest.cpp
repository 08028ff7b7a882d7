// SPDX-License-Identifier: GPL-3.0-or-later
// The Assemble dialog on its own: what the boxes let through, the per-run resets,
// and the checks behind OK.
#include "assemble/ui/FilteredLineEdit.h"
#include "assemble/ui/TfrmAssemble.h"
#include "base/ui/ScriptedDialogService.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vexil;
using assemble::ShellTarget;
using assemble::ui::AssembleDialogSetup;
using assemble::ui::TfrmAssemble;

namespace {

AssembleDialogSetup SetupFor(ShellTarget target, const QString &name = QStringLiteral("PROG"))
{
    AssembleDialogSetup setup;
    setup.fileName = QStringLiteral("/tmp/my prog.z80");
    setup.ti83Mode = target == ShellTarget::TI83 || target == ShellTarget::AShell83;
    setup.target = target;
    setup.programName = name;
    return setup;
}

class AssembleDialogTest : public ::testing::Test {
protected:
    uibase::ScopedScriptedDialogs dialogs;
    TfrmAssemble dialog{"/nonexistent"};
};

} // namespace

TEST_F(AssembleDialogTest, NameBoxLimitsAndFilters)
{
    // CrASH: 7 characters, with the marker picture in the box.
    dialog.prepare(SetupFor(ShellTarget::CrASH, QString()));
    dialog.show();
    EXPECT_EQ(dialog.TargetPages->currentIndex(), 1);
    EXPECT_TRUE(dialog.CrashPicture->isVisible());
    QTest::keyClicks(dialog.ProgramNameEdit, QStringLiteral("abcdefghij"));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABCDEFG");

    // A name remembered from another target stays whole, but typing cannot lengthen
    // it, and a replaced selection stops at 7 again.
    dialog.prepare(SetupFor(ShellTarget::CrASH, QStringLiteral("ABCDEFGH")));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABCDEFGH");
    QTest::keyClicks(dialog.ProgramNameEdit, QStringLiteral("x"));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABCDEFGH");
    dialog.ProgramNameEdit->selectAll();
    QTest::keyClicks(dialog.ProgramNameEdit, QStringLiteral("qrstuvwxyz"));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "QRSTUVW");

    // Every other page: 8 characters and no picture.
    for (ShellTarget target : {ShellTarget::Ash, ShellTarget::TI83, ShellTarget::AShell83}) {
        dialog.prepare(SetupFor(target, QString()));
        QTest::keyClicks(dialog.ProgramNameEdit, QStringLiteral("abcdefghij"));
        EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABCDEFGH");
        EXPECT_FALSE(dialog.CrashPicture->isVisible());
        EXPECT_EQ(dialog.TargetPages->currentIndex(), static_cast<int>(target));
        EXPECT_FALSE(dialog.TargetPages->isTabEnabled((static_cast<int>(target) + 1) % 4));
    }

    // Typing: letters upper-cased, digits and "@" kept, anything else swallowed;
    // backspace still edits.
    dialog.prepare(SetupFor(ShellTarget::Ash, QString()));
    QTest::keyClicks(dialog.ProgramNameEdit, QStringLiteral("a-b c@1!"));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABC@1");
    QTest::keyClick(dialog.ProgramNameEdit, Qt::Key_Backspace);
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABC@");

    // Pasting goes through the same rule.
    QApplication::clipboard()->setText(QStringLiteral("x y-z"));
    dialog.ProgramNameEdit->pasteFiltered();
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "ABC@XYZ");

    // Text committed by an input method and the middle button's paste of the
    // selection go through the rule as well.
    dialog.prepare(SetupFor(ShellTarget::Ash, QString()));
    QInputMethodEvent composed(QString(), {});
    composed.setCommitString(QStringLiteral("q\u00E9-1"));
    QApplication::sendEvent(dialog.ProgramNameEdit, &composed);
    EXPECT_EQ(dialog.ProgramNameEdit->text(), "Q1");
    if (QApplication::clipboard()->supportsSelection()) {
        QApplication::clipboard()->setText(QStringLiteral("w x!"), QClipboard::Selection);
        QTest::mouseClick(dialog.ProgramNameEdit, Qt::MiddleButton);
        EXPECT_EQ(dialog.ProgramNameEdit->text(), "Q1WX");
    }

    // A name set by the program keeps its leading blank.
    dialog.prepare(SetupFor(ShellTarget::Ash, QStringLiteral(" TEST")));
    EXPECT_EQ(dialog.ProgramNameEdit->text(), " TEST");

    // Extra memory: hexadecimal digits only, upper-cased, 4 at most.
    dialog.prepare(SetupFor(ShellTarget::TI83));
    dialog.ExtraMemoryEdit->clear();
    QTest::keyClicks(dialog.ExtraMemoryEdit, QStringLiteral("1g2fa7"));
    EXPECT_EQ(dialog.ExtraMemoryEdit->text(), "12FA");
}

TEST_F(AssembleDialogTest, PrepareResetsPerRun)
{
    // TI-82: edit protect available, home screen checked, extra memory reset.
    dialog.ExtraMemoryEdit->setText(QStringLiteral("1234"));
    dialog.SquishCheck->setChecked(true);
    dialog.EditProtectCheck->setChecked(true);
    AssembleDialogSetup setup = SetupFor(ShellTarget::Ash);
    setup.sendAfterAssembly = true;
    dialog.prepare(setup);
    EXPECT_EQ(dialog.windowTitle(), "Assemble Source File and Send to TI-82");
    EXPECT_EQ(dialog.AboutLabel->text(), "About to assemble my prog.z80.");
    EXPECT_TRUE(dialog.EditProtectCheck->isEnabled());
    EXPECT_TRUE(dialog.HomeScreenCheck->isChecked());
    EXPECT_FALSE(dialog.ExtraMemoryEdit->isEnabled());
    EXPECT_EQ(dialog.ExtraMemoryEdit->text(), "0000");

    // TI-83: home screen cleared, edit protect disabled but remembered, squish kept.
    dialog.ExtraMemoryEdit->setText(QStringLiteral("00A0"));
    dialog.prepare(SetupFor(ShellTarget::TI83));
    EXPECT_EQ(dialog.windowTitle(), "Assemble Source File");
    EXPECT_FALSE(dialog.HomeScreenCheck->isChecked());
    EXPECT_FALSE(dialog.EditProtectCheck->isEnabled());
    EXPECT_TRUE(dialog.EditProtectCheck->isChecked());
    EXPECT_TRUE(dialog.SquishCheck->isChecked());
    EXPECT_TRUE(dialog.ExtraMemoryEdit->isEnabled());
    EXPECT_EQ(dialog.ExtraMemoryEdit->text(), "00A0");
}

TEST_F(AssembleDialogTest, OkChecksNameAndExtraMemory)
{
    dialog.prepare(SetupFor(ShellTarget::TI83, QString()));
    dialog.show();

    // No name: warning, the dialog stays.
    dialog.OkButton->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_EQ(dialogs->shown[0].text, "Program must have a name!");
    EXPECT_TRUE(dialog.isVisible());

    // Digits the box would not have let through (set by the program): warning.
    dialog.ProgramNameEdit->setText(QStringLiteral("GAME"));
    dialog.ExtraMemoryEdit->setText(QStringLiteral("0x1"));
    dialog.OkButton->click();
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_TRUE(dialogs->shown[1].text.startsWith(
        "The hex value you entered into the Extra Memory Allocation text box is invalid."));
    EXPECT_TRUE(dialog.isVisible());

    // Short hex: padded with zeros, accepted, and carried into the options.
    dialog.ExtraMemoryEdit->setText(QStringLiteral("1F"));
    dialog.OkButton->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const assemble::ProgramSettings options = dialog.programOptions();
    EXPECT_EQ(options.name, "GAME");
    EXPECT_EQ(options.extraMemory, "001F");
    EXPECT_EQ(dialogs->shown.size(), 2u);
}
