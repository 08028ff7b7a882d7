// SPDX-License-Identifier: GPL-3.0-or-later
// F8 and Send Shell as a new user meets them: vexil-calcsim runs as its own
// process on the virtual cable, the cable is chosen in the Options dialog, and
// the program ends up in the simulated calculator's memory.
#include "AssembleUiFixture.h"

#include "app/ui/TfrmOptions.h"
#include "base/FileIo.h"
#include "link/LinkDevice.h"
#include "link/ui/TfrmSendFile.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <QApplication>
#include <QProcess>
#include <QRadioButton>

using namespace vexil;
using namespace vexil::test;

namespace {

class AssembleAndSendTest : public AssembleRunUiTest {
protected:
    QTemporaryDir calcMemory;
    QProcess calculator;

    void TearDown() override
    {
        calculator.terminate();
        calculator.waitForFinished(5000);
    }

    // Starts the simulated TI-82 on the cable the virtual-cable choice uses.
    void startCalculator()
    {
        const fs::path cable = link::VirtualCablePath(programDir.path().toStdString());
        calculator.start(VEXIL_CALCSIM, {"--model", "82", "--memory", calcMemory.path(), "--cable",
                                         QString::fromStdString(cable.string())});
        ASSERT_TRUE(calculator.waitForStarted());
        ASSERT_TRUE(calculator.waitForReadyRead(10000));
        ASSERT_TRUE(calculator.readLine().startsWith("TI-82 on "));
    }

    // Tools > Options..., "Virtual cable (simulator)", OK.
    void chooseVirtualCable()
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<app::TfrmOptions *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->linkPortButton(link::kPortVirtualCable)->click();
            dialog->accept();
            answered = true;
        });
        form->actions().options->trigger();
        ASSERT_TRUE(answered);
        EXPECT_EQ(form->options().linkPort, static_cast<unsigned>(link::kPortVirtualCable));
    }

    // The variables the simulated calculator holds, by file.
    std::vector<varfile::ParsedEntry> heldIn(const QString &fileName)
    {
        const base::ReadResult read =
            base::ReadWholeFile(calcMemory.filePath(fileName).toStdString());
        if (!read.ok()) {
            return {};
        }
        return varfile::ParseVarFile(read.bytes).entries;
    }
};

} // namespace

TEST_F(AssembleAndSendTest, F8AssemblesAndTheCalculatorHoldsTheProgram)
{
    startCalculator();
    chooseVirtualCable();
    EXPECT_EQ(form->actions().assembleAndSend->shortcut(), QKeySequence(Qt::Key_F8));

    WriteFile(sourceDir.filePath("hello.asm"),
              ReadFile(QStringLiteral(VEXIL_SOURCE_DIR "/examples/hello-ash.asm")));
    auto *source = qobject_cast<TfrmSource *>(form->openFile(sourceDir.filePath("hello.asm")));
    ASSERT_NE(source, nullptr);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    source->Memo1->setFocus();

    ASSERT_TRUE(answerAssembleDialog([&] { QTest::keyClick(source->Memo1, Qt::Key_F8); }));

    ASSERT_TRUE(WaitUntil([&] { return !heldIn("HELLO.82p").empty(); }));
    ASSERT_TRUE(WaitUntil([&] { return !form->sendFile().isVisible(); }));
    EXPECT_EQ(form->sendFile().result(), QDialog::Accepted);
    EXPECT_EQ(form->statusPanel().text(), "No errors detected during assembly.");
    EXPECT_EQ(dialogs->shown.size(), 0u);

    // Byte for byte the program the run wrote.
    const QByteArray written = ReadFile(sourceDir.filePath("hello.82p"));
    const varfile::Bytes bytes(written.begin(), written.end());
    const auto sent = varfile::ParseVarFile(bytes).entries;
    const auto held = heldIn("HELLO.82p");
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(held.size(), 1u);
    EXPECT_EQ(held[0].typeId, sent[0].typeId);
    EXPECT_EQ(held[0].name, sent[0].name);
    EXPECT_EQ(held[0].data, sent[0].data);
}

TEST_F(AssembleAndSendTest, SendShellNamesAMissingShellAndSendsAPresentOne)
{
    // The shells are not part of Vexil: a missing one says where to put it.
    form->actions().sendShell[0]->trigger();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    const QString ashFolder = programDir.filePath("ash");
    EXPECT_EQ(dialogs->shown[0].text, "The shell program " + ashFolder +
                                          "/ash30.82b was not found.\n\nCopy ash30.82b "
                                          "into the folder " +
                                          ashFolder + " and choose the command again.");
    EXPECT_FALSE(form->sendFile().isVisible());

    // CrASH comes as a backup of the calculator's memory, and goes as one.
    startCalculator();
    chooseVirtualCable();
    const varfile::Bytes section{9,    0, 1, 0,    0x0F, 1, 0,    1, 0, 0x24,
                                 0x8D, 1, 0, 0xAA, 1,    0, 0xBB, 1, 0, 0xCC};
    const auto backup = varfile::BuildVarFileFromSection(varfile::CalcModel::TI82,
                                                         varfile::MakeComment(""), section);
    ASSERT_TRUE(backup.has_value());
    ASSERT_FALSE(
        base::WriteFileAtomically(programDir.filePath("crash/crash.82b").toStdString(), *backup));
    form->actions().sendShell[1]->trigger();
    EXPECT_EQ(form->sendFile().result(), QDialog::Accepted);
    EXPECT_EQ(form->sendFile().windowTitle(), "Sending crash.82b...");
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(calcMemory.filePath("Backup.82b")); }));
    EXPECT_EQ(dialogs->shown.size(), 1u);
}
