// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly run through the main window, with the real assembler (and, for the
// outcomes it cannot produce on demand, a stand-in script placed in the program
// directory, which the run prefers to the installed one).
#include "app/core/ProgramDirectory.h"
#include "app/ui/DocumentManager.h"
#include "app/ui/TForm1.h"
#include "app/uibase/ScriptedDialogService.h"
#include "app/uibase/StatusPanel.h"
#include "assemble/ui/AssemblyController.h"
#include "assemble/ui/FilteredLineEdit.h"
#include "assemble/ui/TfrmAssemble.h"
#include "assemble/ui/TfrmProgress.h"
#include "editor/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <numeric>

using namespace vexil;
using assemble::run::ShellTarget;
using assemble::ui::TfrmAssemble;
using editor::TfrmSource;
namespace fs = std::filesystem;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// Processes events until `done` holds; false when `timeoutMs` passed first.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

void clickOk(TfrmAssemble &dialog)
{
    dialog.OkButton->click();
}

class AssembleRunUiTest : public ::testing::Test {
protected:
    QTemporaryDir programDir;
    QTemporaryDir sourceDir;
    uibase::ScopedScriptedDialogs dialogs;
    std::unique_ptr<app::TForm1> form;

    void SetUp() override
    {
        const fs::path program = programDir.path().toStdString();
        app::PrepareProgramDirectory(program, fs::path(VEXIL_SOURCE_DIR) / "data");
        form = std::make_unique<app::TForm1>(program);
        form->assembly().setInstalledAssembler(VEXIL_TASM);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    assemble::ui::AssemblyController &assembly() { return form->assembly(); }

    void setTarget(ShellTarget target)
    {
        app::Options &options = form->mutableOptions();
        options.ti83Mode = target == ShellTarget::Ti83 || target == ShellTarget::AShell83;
        options.shell82 = target == ShellTarget::Crash ? 1 : 0;
        options.shell83 = target == ShellTarget::AShell83 ? 1 : 0;
    }

    TfrmSource *openSource(const QString &name, const QByteArray &text)
    {
        writeFile(sourceDir.filePath(name), text);
        return qobject_cast<TfrmSource *>(form->openFile(sourceDir.filePath(name)));
    }

    // F7: answers the Assemble dialog with `answer` if it opens; true when it opened.
    bool pressF7(const std::function<void(TfrmAssemble &)> &answer = clickOk)
    {
        bool opened = false;
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            TfrmAssemble &dialog = assembly().assembleDialog();
            if (dialog.isVisible() && !opened) {
                opened = true;
                answer(dialog);
            }
        });
        watcher.start();
        form->actions().assemble->trigger();
        watcher.stop();
        return opened;
    }

    bool waitForRunEnd()
    {
        return waitUntil([this] { return !assembly().Timer1->isActive(); });
    }

    void useStandInAssembler(const QByteArray &script)
    {
        const QString path = programDir.filePath(QStringLiteral("tasm"));
        writeFile(path, "#!/bin/sh\n" + script);
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }

    void screenshot(const char *name)
    {
        const QByteArray folder = qgetenv("VEXIL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            form->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') +
                              QLatin1String(name) + QStringLiteral(".png"));
        }
    }
};

struct TargetCase {
    ShellTarget target;
    const char *example;
    const char *extension;
};

class AssembleEndToEnd : public AssembleRunUiTest,
                         public ::testing::WithParamInterface<TargetCase> {};

// What the program file's data must be for the object the run produced.
QByteArray expectedProgramData(ShellTarget target, const QByteArray &object)
{
    switch (target) {
    case ShellTarget::Ash: // the home-screen box is checked in TI-82 mode
        return QByteArray::fromHex("5C0610312B3111045C0510312B31113FDE2A505245535329454E5445523A"
                                   "3A3A2A3FE0312B312B2A2A113FD93FD90030") +
               object;
    case ShellTarget::Crash:
        return QByteArray::fromHex("D50011") + object;
    case ShellTarget::Ti83:
        return object.toHex().toUpper() + QByteArray::fromHex("3FD43F") + "0000" +
               QByteArray::fromHex("3FD4");
    case ShellTarget::AShell83:
        return object;
    }
    return {};
}

} // namespace

TEST_P(AssembleEndToEnd, ErrorListThenProgramFile)
{
    const TargetCase param = GetParam();
    setTarget(param.target);
    EXPECT_EQ(form->actions().assemble->shortcut(), QKeySequence(Qt::Key_F7));

    // A hello-world with one bad instruction on line 2.
    QByteArray text = readFile(QStringLiteral(VEXIL_SOURCE_DIR "/examples/") + param.example);
    ASSERT_TRUE(text.startsWith("; Progname:HELLO"));
    const qsizetype firstBreak = text.indexOf('\n') + 1;
    text.insert(firstBreak, "\tfrob a,b\n");
    TfrmSource *source = openSource(QStringLiteral("hello.asm"), text);
    ASSERT_NE(source, nullptr);

    EXPECT_TRUE(pressF7([](TfrmAssemble &dialog) {
        EXPECT_EQ(dialog.ProgramNameEdit->text(), "HELLO");
        dialog.OkButton->click();
    }));
    ASSERT_TRUE(waitForRunEnd());
    uibase::StatusPanel &status = form->statusPanel();
    EXPECT_EQ(status.text(), "There were errors during assembly.");
    EXPECT_TRUE(status.isBold());
    EXPECT_EQ(status.color(), QColor(Qt::red));
    ASSERT_TRUE(source->errorListShown());
    ASSERT_GE(source->ListBox1->count(), 1);
    QListWidgetItem *entry = source->ListBox1->item(0);
    EXPECT_TRUE(entry->text().startsWith("hello.asm line 0002:")) << entry->text().toStdString();
    EXPECT_TRUE(form->isEnabled());
    screenshot("error-list");

    // Double-click: the whole bad line is selected.
    source->ListBox1->scrollToItem(entry);
    const QPoint at = source->ListBox1->visualItemRect(entry).center();
    QTest::mouseClick(source->ListBox1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(source->ListBox1->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(source->Memo1->selectedText(), "\tfrob a,b");

    // Fix it; F7 asks to save (Yes), then the program file appears.
    source->Memo1->setSelection(1, 0, 2, 0);
    source->Memo1->removeSelectedText();
    dialogs->answers.push_back(uibase::Answer::Yes);
    EXPECT_TRUE(pressF7());
    ASSERT_TRUE(waitForRunEnd());
    EXPECT_EQ(status.text(), "No errors detected during assembly.");
    EXPECT_TRUE(status.isBold());
    EXPECT_EQ(status.color(), QColor(Qt::blue));
    EXPECT_FALSE(source->errorListShown());
    EXPECT_EQ(dialogs->unscripted, 0);
    EXPECT_FALSE(readFile(sourceDir.filePath("hello.asm")).contains("frob"));
    screenshot("assembled");

    const QByteArray object = readFile(sourceDir.filePath("hello.obj"));
    ASSERT_FALSE(object.isEmpty());
    const QByteArray file = readFile(sourceDir.filePath("hello.") + param.extension);
    ASSERT_GE(file.size(), 76);
    const bool ti83 = param.target == ShellTarget::Ti83 || param.target == ShellTarget::AShell83;
    EXPECT_EQ(file.left(11),
              QByteArray(ti83 ? "**TI83**" : "**TI82**") + QByteArray("\x1a\x0a\x00", 3));
    EXPECT_EQ(file.mid(11, 42), "Program file generated by Vexil Assembler.");
    EXPECT_EQ(static_cast<std::uint8_t>(file[59]), 0x05); // a program, not protected
    const QByteArray name = param.target == ShellTarget::Crash
                                ? QByteArray::fromHex("DC48454C4C4F0000")
                                : QByteArray::fromHex("48454C4C4F000000");
    EXPECT_EQ(file.mid(60, 8), name);
    const QByteArray data = expectedProgramData(param.target, object);
    const int length = static_cast<std::uint8_t>(file[70]) | static_cast<std::uint8_t>(file[71])
                                                                 << 8;
    EXPECT_EQ(length, data.size());
    EXPECT_EQ(file.mid(72, file.size() - 74), data);
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.constData());
    const unsigned sum = std::accumulate(bytes + 55, bytes + file.size() - 2, 0u) & 0xFFFF;
    EXPECT_EQ(sum, bytes[file.size() - 2] | bytes[file.size() - 1] << 8);
}

INSTANTIATE_TEST_SUITE_P(FourTargets, AssembleEndToEnd,
                         ::testing::Values(TargetCase{ShellTarget::Ash, "hello-ash.asm", "82p"},
                                           TargetCase{ShellTarget::Crash, "hello-crash.asm", "82p"},
                                           TargetCase{ShellTarget::Ti83, "hello-ti83.asm", "83p"},
                                           TargetCase{ShellTarget::AShell83, "hello-ashell83.asm",
                                                      "83p"}),
                         [](const ::testing::TestParamInfo<TargetCase> &param) {
                             const std::string example = param.param.example;
                             return example.substr(6, example.size() - 10);
                         });

TEST_F(AssembleRunUiTest, ListingWindowReusedAndNeverAssembled)
{
    form->mutableOptions().displayListing = true;
    TfrmSource *source =
        openSource(QStringLiteral("hello.asm"),
                   readFile(QStringLiteral(VEXIL_SOURCE_DIR "/examples/hello-ash.asm")));
    ASSERT_NE(source, nullptr);
    const auto listings = [this] {
        QList<TfrmSource *> found;
        for (QMdiSubWindow *sub : form->mdiArea().subWindowList()) {
            auto *window = qobject_cast<TfrmSource *>(sub->widget());
            if (window != nullptr && window->windowTitle() == "Output: hello.lst") {
                found << window;
            }
        }
        return found;
    };

    // First run: a read-only listing window on the button face appears.
    ASSERT_TRUE(pressF7());
    ASSERT_TRUE(waitForRunEnd());
    ASSERT_EQ(listings().size(), 1);
    TfrmSource *listing = listings().front();
    EXPECT_FALSE(listing->IsSource);
    EXPECT_TRUE(listing->Memo1->isReadOnly());
    const QImage shown = listing->Memo1->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 4, shown.height() - 4),
              listing->palette().color(QPalette::Button));
    EXPECT_TRUE(listing->Memo1->text().contains("Hello, world!"));
    EXPECT_FALSE(listing->isModified());

    // F7 on the listing window: no dialog, no run, no beep.
    form->mdiArea().setActiveSubWindow(qobject_cast<QMdiSubWindow *>(listing->parentWidget()));
    EXPECT_FALSE(pressF7());
    EXPECT_FALSE(assembly().Timer1->isActive());
    EXPECT_EQ(dialogs->beeps, 0);

    // A second run of the source reuses the window.
    listing->Memo1->setReadOnly(false);
    listing->Memo1->setText(QStringLiteral("stale"));
    form->mdiArea().setActiveSubWindow(qobject_cast<QMdiSubWindow *>(source->parentWidget()));
    ASSERT_TRUE(pressF7());
    ASSERT_TRUE(waitForRunEnd());
    ASSERT_EQ(listings().size(), 1);
    EXPECT_EQ(listings().front(), listing);
    EXPECT_TRUE(listing->Memo1->text().contains("Hello, world!"));
    EXPECT_TRUE(listing->Memo1->isReadOnly());
}

TEST_F(AssembleRunUiTest, OutcomesOfAStandInAssembler)
{
    TfrmSource *source = openSource(QStringLiteral("prog.asm"), "\tnop\n");
    ASSERT_NE(source, nullptr);
    uibase::StatusPanel &status = form->statusPanel();

    // Cancel while it runs: the main window is disabled until the dialog closes.
    useStandInAssembler("sleep 30\n");
    ASSERT_TRUE(pressF7());
    assemble::ui::TfrmProgress &progress = assembly().progressDialog();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.windowTitle(), "Assembling");
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(status.text(), "Assembling " + sourceDir.filePath("prog.asm") + "...");
    progress.CancelButton->click();
    ASSERT_TRUE(waitForRunEnd());
    EXPECT_EQ(status.text(), "Assembly cancelled by user.");
    EXPECT_FALSE(status.isBold());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(progress.isVisible());

    // Exit code 0 without an object file: the fatal error, nothing else.
    useStandInAssembler("echo banner\necho banner\nexit 0\n");
    ASSERT_TRUE(pressF7());
    ASSERT_TRUE(waitForRunEnd());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Error);
    const QString object = QString::fromStdString(
        (fs::canonical(sourceDir.path().toStdString()) / "prog.obj").string());
    EXPECT_EQ(dialogs->shown[0].text, "Fatal Error: Cannot find object file (" + object + ").");
    EXPECT_TRUE(form->isEnabled());

    // Errors with less than the banner on standard output: an empty error list.
    useStandInAssembler("echo one line\nexit 1\n");
    ASSERT_TRUE(pressF7());
    ASSERT_TRUE(waitForRunEnd());
    EXPECT_EQ(status.text(), "There were errors during assembly.");
    EXPECT_TRUE(source->errorListShown());
    EXPECT_EQ(source->ListBox1->count(), 0);
}

TEST_F(AssembleRunUiTest, NothingToAssembleOrNotSaved)
{
    // No document window: the default sound.
    assembly().Assemble1Click();
    EXPECT_EQ(dialogs->beeps, 1);

    // A changed source the user does not save: status cleared, no dialog, no run.
    form->documents().newSource();
    auto *source = qobject_cast<TfrmSource *>(form->documents().activeDocument());
    ASSERT_NE(source, nullptr);
    source->Memo1->setText(QStringLiteral("\tnop\r\n"));
    form->statusPanel().setText(QStringLiteral("old"));
    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_FALSE(pressF7());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Current source file has changed.  Save it now?");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Confirmation);
    EXPECT_EQ(form->statusPanel().text(), "");
    EXPECT_FALSE(assembly().Timer1->isActive());

    // With AutoSave the source is saved without asking (here: its name is chosen).
    form->mutableOptions().autoSave = true;
    dialogs->fileNames.push_back(sourceDir.filePath(QStringLiteral("auto.asm")));
    EXPECT_TRUE(pressF7([](TfrmAssemble &dialog) {
        EXPECT_EQ(dialog.ProgramNameEdit->text(), "AUTO");
        dialog.CancelButton->click();
    }));
    EXPECT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(QFile::exists(sourceDir.filePath(QStringLiteral("auto.asm"))));
    EXPECT_FALSE(assembly().Timer1->isActive());
}

TEST_F(AssembleRunUiTest, TypedIntoANewSourceAndAssembled)
{
    // As a new user would: a new source, a hello world typed in, F7, save it when asked.
    form->documents().newSource();
    auto *source = qobject_cast<TfrmSource *>(form->documents().activeDocument());
    ASSERT_NE(source, nullptr);
    const char *lines[] = {"#include \"ti82.h\"",  ".org START_ADDR", ".db \"Hi\",0",
                           "\tROM_CALL(CLEARLCD)", "\tret",           ".end"};
    for (const char *line : lines) {
        QTest::keyClicks(source->Memo1, QString::fromLatin1(line));
        QTest::keyClick(source->Memo1, Qt::Key_Return);
    }
    dialogs->answers.push_back(uibase::Answer::Yes);
    dialogs->fileNames.push_back(sourceDir.filePath(QStringLiteral("first.asm")));
    EXPECT_TRUE(pressF7([](TfrmAssemble &dialog) {
        EXPECT_EQ(dialog.ProgramNameEdit->text(), "FIRST");
        dialog.OkButton->click();
    }));
    ASSERT_TRUE(waitForRunEnd());
    EXPECT_EQ(form->statusPanel().text(), "No errors detected during assembly.");
    const QByteArray file = readFile(sourceDir.filePath(QStringLiteral("first.82p")));
    ASSERT_GE(file.size(), 74);
    EXPECT_EQ(file.mid(60, 8), QByteArray::fromHex("4649525354000000"));
    // The home-screen launcher (checked in TI-82 mode) ends in D9 00 30; "Hi",0 follows.
    EXPECT_EQ(file.mid(72 + 45, 6), QByteArray::fromHex("D90030486900"));
    EXPECT_TRUE(form->isEnabled());
}
