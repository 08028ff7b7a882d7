// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelper.h"

#include "app/ui/DocumentManager.h"
#include "app/ui/StartupSequence.h"
#include "app/ui/TForm1.h"
#include "app/ui/TfrmOptions.h"
#include "base/ui/ScriptedDialogService.h"
#include "editor/autocode/ui/AutoCodeMenu.h"
#include "editor/autocode/ui/TfrmAutoCodeEdit.h"
#include "editor/autocode/ui/TfrmAutocode.h"
#include "editor/autocode/ui/TfrmHeaders.h"
#include "editor/ui/TfrmSource.h"
#include "support/ui/FileBytes.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::app;
using editor::TfrmAutocode;
using editor::TfrmAutoCodeEdit;
using uibase::Answer;

namespace {

using vexil::testing::ReadFile;
using vexil::testing::WriteFile;

QStringList Captions(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions) {
        result << action->text();
    }
    return result;
}

class AutoCodeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    TForm1 form{dir.path().toStdString()};

    AutoCodeTest() { form.show(); }
    QString path(const QString &name) const { return dir.filePath(name); }
    editor::AutoCodeMenu &menu() { return form.autoCode(); }
    // Runs the AutoCode dialog, lets `act` work in it, then closes it with OK or Cancel.
    void inDialog(std::function<void(TfrmAutocode *)> act, bool ok)
    {
        WhenShown<TfrmAutocode>([act, ok](TfrmAutocode *dialog) {
            act(dialog);
            if (ok) {
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        menu().autoCodes->trigger();
    }
};

} // namespace

TEST_F(AutoCodeTest, StartupLoadsTheLibraryAndBuildsTheMenu)
{
    // No file: "(None)", disabled, and the first rebuild creates an empty file.
    StartupSequence startup(form, false, {});
    startup.prepare();
    EXPECT_TRUE(menu().none->isVisible());
    EXPECT_FALSE(menu().none->isEnabled());
    EXPECT_EQ(menu().none->statusTip(), "You cannot insert an AutoCode entry since none exist.");
    EXPECT_TRUE(QFile::exists(path("autocode.txt")));
    EXPECT_TRUE(dialogs->shown.empty());

    // A file with two entries: one item each, in order.
    WriteFile(path("autocode.txt"), "Clear|ld a,0\x87ret\r\nR&D|nop\r\n");
    form.loadAutoCode();
    EXPECT_FALSE(menu().none->isVisible());
    EXPECT_EQ(Captions(menu().entryActions()), (QStringList{"Clear", "R&&D"}));
    EXPECT_EQ(menu().entryActions()[0]->statusTip(), "Insert the selected AutoCode entry");
    EXPECT_EQ(menu().library().entries[0], "Clear|ld a,0\r\nret");
    EXPECT_EQ(form.actions().autoCodeMenu->actions().first(), menu().autoCodes);
}

TEST_F(AutoCodeTest, AddStoresAMultiLineEntryOnOneLine)
{
    form.loadAutoCode();
    dialogs->inputs.push_back("Clear");
    WhenShown<TfrmAutoCodeEdit>([](TfrmAutoCodeEdit *editor) {
        EXPECT_EQ(editor->windowTitle(), "Editing AutoCode 'Clear'");
        editor->Memo1->setPlainText("ld a,0\nret");
        editor->okButton->click();
    });
    inDialog([](TfrmAutocode *dialog) { dialog->addButton->click(); }, true);

    EXPECT_EQ(ReadFile(path("autocode.txt")), "Clear|ld a,0\x87ret\r\n");
    EXPECT_EQ(Captions(menu().entryActions()), QStringList{"Clear"});
    EXPECT_FALSE(menu().none->isVisible());
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(AutoCodeTest, NameChecksAndSelection)
{
    WriteFile(path("autocode.txt"), "Clear|ld a,0\r\nWait|halt\r\n");
    form.loadAutoCode();
    inDialog(
        [this](TfrmAutocode *dialog) {
            // Hints are "short|long": the tooltip takes the short part.
            EXPECT_EQ(dialog->renameButton->toolTip(), "Rename");
            EXPECT_EQ(dialog->renameButton->statusTip(),
                      "Rename the currently selected AutoCode entry");

            // Add: a duplicate in other case and a name with "|" are refused; Cancel
            // and an empty name do nothing.
            dialogs->inputs = {"clear", "a|b", QString(), ""};
            for (int i = 0; i < 4; ++i) {
                dialog->addEntry();
            }
            ASSERT_EQ(dialogs->shown.size(), 2u);
            EXPECT_EQ(dialogs->shown[0].text, "An AutoCode entry with that name already exists!");
            EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Error);
            EXPECT_EQ(dialogs->shown[1].text,
                      "You cannot include the pipe symbol in the AutoCode entry's name.");
            EXPECT_EQ(dialog->entries().size(), 2);

            // Nothing selected: Rename, Delete and Edit beep.
            dialog->renameEntry();
            dialog->deleteEntry();
            dialog->editEntry();
            EXPECT_EQ(dialogs->beeps, 3);

            // Rename to another entry's name is refused; a new name keeps the code.
            dialog->ListBox1->setCurrentRow(1);
            dialogs->inputs = {"CLEAR", "Pause"};
            dialog->renameEntry();
            EXPECT_EQ(dialogs->shown.back().text,
                      "An AutoCode entry with that name already exists!");
            dialog->renameEntry();
            EXPECT_EQ(dialog->entries(), (QStringList{"Clear|ld a,0", "Pause|halt"}));

            // Delete asks nothing.
            dialog->ListBox1->setCurrentRow(0);
            dialog->deleteEntry();
            EXPECT_EQ(dialog->entries(), QStringList{"Pause|halt"});
        },
        true);
    EXPECT_EQ(ReadFile(path("autocode.txt")), "Pause|halt\r\n");
    EXPECT_EQ(Captions(menu().entryActions()), QStringList{"Pause"});
}

TEST_F(AutoCodeTest, CancelKeepsLibraryMenuAndFile)
{
    const QByteArray original = "Clear|ld a,0\x87ret\r\n";
    WriteFile(path("autocode.txt"), original);
    form.loadAutoCode();
    dialogs->inputs = {"Extra", "Renamed"};
    WhenShown<TfrmAutoCodeEdit>([](TfrmAutoCodeEdit *editor) { editor->okButton->click(); });
    inDialog(
        [](TfrmAutocode *dialog) {
            dialog->addEntry();
            dialog->ListBox1->setCurrentRow(0);
            dialog->renameEntry();
            dialog->ListBox1->setCurrentRow(1);
            dialog->deleteEntry();
            EXPECT_EQ(dialog->entries(), QStringList{"Renamed|ld a,0\r\nret"});
        },
        false);
    EXPECT_EQ(menu().library().entries, QStringList{"Clear|ld a,0\r\nret"});
    EXPECT_EQ(Captions(menu().entryActions()), QStringList{"Clear"});
    EXPECT_EQ(ReadFile(path("autocode.txt")), original);
}

TEST_F(AutoCodeTest, EntryEditorButtonsAndClosing)
{
    // Cancel drops the edit.
    {
        TfrmAutoCodeEdit editor("Clear", "ld a,0\r\nret");
        EXPECT_EQ(editor.code(), "ld a,0\r\nret");
        editor.show();
        editor.Memo1->setPlainText("changed");
        editor.cancelButton->click();
        EXPECT_EQ(editor.result(), QDialog::Rejected);
    }
    // Closing the window asks "Save changes?": Yes keeps the edit, No drops it.
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        TfrmAutoCodeEdit editor("Clear", "ret");
        editor.show();
        dialogs->answers.push_back(answer);
        editor.close();
        EXPECT_EQ(dialogs->shown.back().text, "Save changes?");
        EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Confirmation);
        EXPECT_EQ(dialogs->shown.back().buttons, uibase::Buttons::YesNo);
        EXPECT_EQ(editor.result(), answer == Answer::Yes ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(editor.isVisible());
    }
}

TEST_F(AutoCodeTest, InsertGoesToTheCaretOfASourceWindowOnly)
{
    WriteFile(path("autocode.txt"), "Or|or a|b\r\nTwo|ld a,0\x87ret\r\n");
    form.loadAutoCode();

    // No window: a beep, nothing else.
    menu().entryActions()[0]->trigger();
    EXPECT_EQ(dialogs->beeps, 1);

    // A text window is not a source window.
    WriteFile(path("notes.txt"), "notes\r\n");
    form.openFile(path("notes.txt"));
    menu().entryActions()[0]->trigger();
    EXPECT_EQ(dialogs->beeps, 2);

    // A selection collapses to its start; the code goes in whole, "|" included, and
    // the caret ends right after it.
    form.documents().newSource();
    auto *source = qobject_cast<editor::TfrmSource *>(form.documents().activeDocument());
    ASSERT_NE(source, nullptr);
    source->Memo1->setText("abcdef");
    source->Memo1->SendScintilla(QsciScintilla::SCI_SETSEL, 2ul, 4l);
    menu().entryActions()[0]->trigger();
    EXPECT_EQ(source->Memo1->text(), "abor a|bcdef");
    EXPECT_EQ(source->Memo1->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS), 8);
    EXPECT_FALSE(source->Memo1->hasSelectedText());
    menu().entryActions()[1]->trigger();
    EXPECT_EQ(source->Memo1->text(), "abor a|bld a,0\r\nretcdef");
    EXPECT_EQ(dialogs->beeps, 2);
}

TEST_F(AutoCodeTest, HeadersDialogLoadsWritesAndRestoresDefaults)
{
    WriteFile(path("AShell83.hdr"), "; mine|\r\n");
    editor::TfrmHeaders headers(dir.path().toStdString());
    headers.show();
    // A missing template is filled in from the built-in default, on the page and on disk.
    EXPECT_EQ(headers.pages[3]->toPlainText(), "; mine|\n");
    EXPECT_TRUE(headers.pages[0]->toPlainText().startsWith("; Ash 3.0 Program\n"));
    EXPECT_TRUE(ReadFile(path("Ash30.hdr")).startsWith("; Ash 3.0 Program\r\n"));
    EXPECT_EQ(headers.PageControl1->tabText(2), "TI-83 In-Built");

    // "Use Default", answered No: nothing changes.
    dialogs->answers.push_back(Answer::No);
    headers.defaultsButton->click();
    EXPECT_EQ(dialogs->shown.back().text, "Revert to default headers?");
    EXPECT_EQ(ReadFile(path("AShell83.hdr")), "; mine|\r\n");

    // Yes: the four files are rewritten with the defaults.
    dialogs->answers.push_back(Answer::Yes);
    headers.defaultsButton->click();
    const QByteArray ashell = ReadFile(path("AShell83.hdr"));
    EXPECT_EQ(ashell.count("\r\n"), 27);
    EXPECT_TRUE(ashell.startsWith("; AShell83 1.0 Program\r\n"));
    EXPECT_TRUE(headers.pages[3]->toPlainText().startsWith("; AShell83 1.0 Program\n"));

    // OK writes every page with CR LF line ends.
    headers.pages[2]->setPlainText("; edited\n\t|\n");
    headers.accept();
    EXPECT_EQ(ReadFile(path("TI83.hdr")), "; edited\r\n\t|\r\n");
    EXPECT_EQ(headers.result(), QDialog::Accepted);
}

TEST_F(AutoCodeTest, OptionsDialogOpensTheHeaders)
{
    TfrmOptions options(form.mutableOptions(), dir.path().toStdString());
    bool shown = false;
    WhenShown<editor::TfrmHeaders>([&shown](editor::TfrmHeaders *headers) {
        shown = true;
        headers->reject();
    });
    ASSERT_NE(options.editHeadersButton(), nullptr);
    EXPECT_EQ(options.editHeadersButton()->text(), "&Edit default header");
    options.editHeadersButton()->click();
    EXPECT_TRUE(shown);
    // Cancel writes nothing beyond the defaults that stood in for missing files.
    EXPECT_TRUE(QFile::exists(path("TI83.hdr")));
}
