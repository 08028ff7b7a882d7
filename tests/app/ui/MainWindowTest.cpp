// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsFile.h"
#include "app/ui/DocumentManager.h"
#include "app/ui/FontChoiceBox.h"
#include "app/ui/ModeController.h"
#include "app/ui/StartupSequence.h"
#include "app/ui/TForm1.h"
#include "app/ui/TfrmOptions.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "base/ui/StatusPanel.h"
#include "editor/ui/TfrmSource.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::app;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    std::filesystem::path programDir() const { return dir.path().toStdString(); }
};

} // namespace

TEST_F(MainWindowTest, StartupCreatesOrRepairsTheOptionsFile)
{
    // Fresh program directory: the defaults are written, nothing is shown.
    {
        TForm1 form(programDir());
        StartupSequence startup(form, false, {});
        startup.prepare();
        EXPECT_TRUE(QFile::exists(dir.filePath("Vexil.opt")));
        EXPECT_TRUE(dialogs->shown.empty());
        form.mutableOptions().shell82 = 1;
        EXPECT_TRUE(form.close());
    }
    // Closing wrote the record back.
    EXPECT_EQ(ReadOptionsFile(programDir())->shell82, 1u);

    // A short file is replaced by the defaults, with the warning.
    QFile shortFile(dir.filePath("Vexil.opt"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    shortFile.write(QByteArray(100, '\1'));
    shortFile.close();
    TForm1 form(programDir());
    StartupSequence startup(form, true, {});
    startup.prepare();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "Options file has been corrupted.  Default options have been rewritten.");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_EQ(form.options(), DefaultOptions());
    EXPECT_EQ(QFileInfo(dir.filePath("Vexil.opt")).size(), 1320);

    // A first run is welcomed after the splash; files the program directory could not
    // be given are named after that.
    startup.reportSetupProblems({QStringLiteral("Cannot seed /x/ti83/tokens.inc: disk full")});
    startup.welcome();
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[1].title, "Welcome to Vexil Assembler");
    EXPECT_EQ(dialogs->shown[1].kind, uibase::MessageKind::Information);
    EXPECT_EQ(dialogs->shown[2].kind, uibase::MessageKind::Warning);
    EXPECT_TRUE(dialogs->shown[2].text.contains("Cannot seed /x/ti83/tokens.inc: disk full"));
}

TEST_F(MainWindowTest, ModeAndShellCommands)
{
    TForm1 form(programDir());
    form.readOptions();
    form.applyStoredMode();
    MainActions &a = form.actions();

    // Default: TI-82 with Ash; only the TI-82 shell list is shown.
    EXPECT_TRUE(a.mode82->isChecked());
    EXPECT_EQ(a.modeList->currentText(), "TI-82 Devlopment");
    EXPECT_TRUE(a.shell82ListAction->isVisible());
    EXPECT_FALSE(a.shell83ListAction->isVisible());
    EXPECT_EQ(assemble::Describe(form.mode().target()).headerFile, "ash/ti82.h");

    // Choosing CrASH keeps TI-82 mode and changes the header kind.
    a.target[1]->trigger();
    EXPECT_EQ(form.options().shell82, 1u);
    EXPECT_FALSE(form.options().ti83Mode);
    EXPECT_TRUE(a.target[1]->isChecked());
    EXPECT_FALSE(a.target[0]->isChecked());
    EXPECT_EQ(assemble::Describe(form.mode().target()).headerFile, "crash/crash82.inc");

    // Choosing a TI-83 shell switches to TI-83 mode and its list.
    form.mode().chooseTarget(assemble::ShellTarget::AShell83);
    EXPECT_TRUE(form.options().ti83Mode);
    EXPECT_EQ(form.options().shell83, 1u);
    EXPECT_TRUE(a.mode83->isChecked());
    EXPECT_EQ(a.modeList->currentIndex(), 1);
    EXPECT_EQ(a.shell83List->currentText(), "AShell83 1.0");
    EXPECT_TRUE(a.shell83ListAction->isVisible());
    EXPECT_FALSE(a.shell82ListAction->isVisible());
    EXPECT_EQ(assemble::Describe(form.mode().target()).headerFile, "ti83/ti83asm.inc");
    // The Tools menu offers only the current model's targets.
    a.toolsMenu->aboutToShow();
    EXPECT_FALSE(a.target[0]->isEnabled());
    EXPECT_TRUE(a.target[3]->isEnabled());
    EXPECT_FALSE(a.sendShell[0]->isEnabled());
    EXPECT_FALSE(a.sendShell[1]->isEnabled());
    EXPECT_TRUE(a.sendShell[2]->isEnabled());

    // The mode list runs the mode command; the shells stay as chosen.
    a.modeList->activated(0);
    EXPECT_FALSE(form.options().ti83Mode);
    EXPECT_EQ(form.options().shell82, 1u);
    EXPECT_EQ(a.shell82List->currentText(), "CrASH 1.3");

    // Hints: the long part goes to status panel 0 in regular black.
    form.statusPanel().setBold(true);
    QStatusTipEvent tip(a.open->statusTip());
    QApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.statusPanel().text(), "Open an existing file.");
    EXPECT_FALSE(form.statusPanel().isBold());
}

TEST_F(MainWindowTest, WindowMenuListsNineAndMore)
{
    TForm1 form(programDir());
    form.show();
    MainActions &a = form.actions();
    // The TI-ASCII Table is always there, so the menu always lists it.
    form.rebuildWindowMenu();
    EXPECT_TRUE(a.windowMenu->isEnabled());
    EXPECT_EQ(a.windowItems[0]->text(), "&1 TI-ASCII Table");
    EXPECT_FALSE(a.windowItems[1]->isVisible());

    for (int i = 0; i < 9; ++i) {
        form.documents().newSource();
    }
    form.rebuildWindowMenu();
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(a.windowItems[static_cast<std::size_t>(i)]->isVisible());
    }
    EXPECT_EQ(a.windowItems[1]->text(), "&2 Untitled1");
    EXPECT_EQ(a.windowItems[8]->text(), "&9 Untitled8");
    EXPECT_EQ(a.windowItems[3]->statusTip(), "Switches to the window containing 'Untitled3'");
    EXPECT_TRUE(a.moreWindows->isVisible());

    // Choosing an item activates that window.
    a.windowItems[2]->trigger();
    EXPECT_EQ(form.mdiArea().activeSubWindow()->windowTitle(), "Untitled2");

    // Clean windows close without questions; with nine left "More Windows" goes.
    form.mdiArea().activeSubWindow()->close();
    QApplication::processEvents();
    form.rebuildWindowMenu();
    EXPECT_FALSE(a.moreWindows->isVisible());
    EXPECT_EQ(a.windowItems[2]->text(), "&3 Untitled3");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(MainWindowTest, CommandsRouteToTheActiveWindowOrBeep)
{
    TForm1 form(programDir());
    form.show();
    MainActions &a = form.actions();

    // No window: Save and the Edit commands beep.
    form.documents().save();
    form.documents().edit(uibase::EditCommand::Copy);
    EXPECT_EQ(dialogs->beeps, 2);
    a.fileMenu->aboutToShow();
    EXPECT_FALSE(a.save->isEnabled());
    a.editMenu->aboutToShow();
    EXPECT_FALSE(a.cut->isEnabled());

    // Opening a file adds it to the recent files and routes Select All / Delete to it.
    QFile file(dir.filePath("prog.asm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("nop\r\n");
    file.close();
    auto *source = qobject_cast<editor::TfrmSource *>(form.openFile(dir.filePath("prog.asm")));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(form.options().recentFiles[0], dir.filePath("prog.asm").toStdString());
    a.editMenu->aboutToShow();
    EXPECT_TRUE(a.cut->isEnabled());
    a.selectAll->trigger();
    a.deleteSelection->trigger();
    EXPECT_TRUE(source->isModified());
    EXPECT_EQ(dialogs->beeps, 2);

    // Opening it again brings the same window forward (beside the TI-ASCII Table).
    EXPECT_EQ(form.openFile(dir.filePath("prog.asm")), source);
    EXPECT_EQ(form.mdiArea().subWindowList().size(), 2);

    // A missing file is reported and nothing opens.
    EXPECT_EQ(form.openFile(dir.filePath("gone.asm")), nullptr);
    EXPECT_EQ(dialogs->shown.back().text,
              dir.filePath("gone.asm") + "\n\nThis file does not exist.");

    // A string window offers Save but not the Edit commands.
    const auto string = varfile::BuildVarFile(varfile::CalcModel::TI83, varfile::MakeComment(""),
                                              {{0x04, {0xAA, 0x00}, {0x01, 0x00, 0x41}}});
    ASSERT_TRUE(string.has_value());
    ASSERT_FALSE(base::WriteFileAtomically(dir.filePath("Str1.83s").toStdString(), *string));
    ASSERT_NE(form.openFile(dir.filePath("Str1.83s")), nullptr);
    a.fileMenu->aboutToShow();
    EXPECT_TRUE(a.save->isEnabled());
    a.editMenu->aboutToShow();
    EXPECT_FALSE(a.cut->isEnabled());
    EXPECT_FALSE(a.selectAll->isEnabled());

    // Quitting with a changed window asks; Cancel keeps the program running.
    dialogs->answers.push_back(uibase::Answer::Cancel);
    EXPECT_FALSE(form.close());
    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_TRUE(form.close());
}

TEST_F(MainWindowTest, OptionsDialogRules)
{
    Options options = DefaultOptions();
    TfrmOptions dialog(options, programDir());

    // The Graph Link moves an LPT port, and the virtual cable, to COM1.
    dialog.linkPortButton(2)->setChecked(true);
    dialog.linkTypeButton(1)->setChecked(true);
    EXPECT_TRUE(dialog.linkPortButton(0)->isChecked());
    dialog.linkPortButton(4)->setChecked(true);
    EXPECT_TRUE(dialog.linkPortButton(0)->isChecked());
    dialog.linkPortButton(5)->setChecked(true);
    EXPECT_TRUE(dialog.linkPortButton(5)->isChecked());
    dialog.linkPortButton(1)->setChecked(true);
    dialog.linkTypeButton(0)->setChecked(true);
    dialog.linkPortButton(3)->setChecked(true);
    EXPECT_TRUE(dialog.linkPortButton(3)->isChecked());

    // The listing choices follow "Output listing file".
    dialog.outputListingBox()->setChecked(false);
    EXPECT_FALSE(dialog.includeLabelsBox()->isEnabled());
    dialog.outputListingBox()->setChecked(true);
    EXPECT_TRUE(dialog.includeLabelsBox()->isEnabled());

    // Typing a style in another case takes the list's spelling.
    dialog.fontStyleBox()->edit()->setText(QString());
    QTest::keyClicks(dialog.fontStyleBox()->edit(), "bold italic");
    EXPECT_EQ(dialog.fontStyleBox()->text(), "Bold Italic");

    // A size that is not a number keeps the dialog open and changes nothing.
    dialog.fontSizeBox()->setText("ten");
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Warning);
    EXPECT_EQ(options.fontSize, 10u);
    EXPECT_FALSE(QFile::exists(dir.filePath("Vexil.opt")));

    // The editors' largest size is the dialog's too.
    dialog.fontSizeBox()->setText("501");
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(options.fontSize, 10u);

    // OK takes every control over and writes the file.
    dialog.fontSizeBox()->setText("14");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(options.fontSize, 14u);
    EXPECT_EQ(options.fontStyle, kFontBold | kFontItalic);
    EXPECT_EQ(options.linkPort, 3u);
    EXPECT_EQ(ReadOptionsFile(programDir())->fontSize, 14u);

    // "Use Default" asks first; Yes restores the defaults and removes the edited headers.
    QFile header(dir.filePath("default.83h"));
    ASSERT_TRUE(header.open(QIODevice::WriteOnly));
    header.close();
    TfrmOptions again(options, programDir());
    dialogs->answers.push_back(uibase::Answer::No);
    again.useDefaults();
    EXPECT_EQ(options.fontSize, 14u);
    dialogs->answers.push_back(uibase::Answer::Yes);
    again.useDefaults();
    EXPECT_EQ(dialogs->shown.back().text, "Reset all options to default values?");
    EXPECT_EQ(options, DefaultOptions());
    EXPECT_EQ(again.result(), TfrmOptions::kDefaultsRestored);
    EXPECT_FALSE(header.exists());

    TfrmOptions largest(options, programDir());
    largest.fontSizeBox()->setText("500");
    largest.accept();
    EXPECT_EQ(largest.result(), QDialog::Accepted);
    EXPECT_EQ(options.fontSize, 500u);
}

TEST_F(MainWindowTest, ListingWindowIsNeitherAssembledNorRenamed)
{
    TForm1 form(programDir());
    form.show();
    MainActions &a = form.actions();
    auto *listing = new editor::TfrmSource(form);
    listing->FileName = dir.filePath("prog.lst");
    listing->setWindowTitle(QStringLiteral("Output: prog.lst"));
    listing->makeListing();
    form.addDocument(listing);

    a.toolsMenu->aboutToShow();
    EXPECT_FALSE(a.assemble->isEnabled());
    EXPECT_FALSE(a.assembleAndSend->isEnabled());
    // A listing is a source window, so F8 does nothing there, without a sound.
    form.Assemble2Click();
    EXPECT_EQ(dialogs->beeps, 0);

    // Save As asks nothing and keeps the name the listing was opened under.
    form.documents().saveAs();
    EXPECT_TRUE(dialogs->fileRequests.empty());
    EXPECT_EQ(listing->FileName, dir.filePath("prog.lst"));

    form.documents().newSource();
    a.toolsMenu->aboutToShow();
    EXPECT_TRUE(a.assemble->isEnabled());
}
