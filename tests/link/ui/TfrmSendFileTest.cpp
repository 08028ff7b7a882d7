// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer dialog against the simulated calculator over the virtual cable:
// what closes it, the messages with their retry prompts, the stop button and the
// retry, the operation chosen by extension, and the exists dialog.
#include "link/ui/TfrmSendFile.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "link/LinkDevice.h"
#include "link/ReceiveName.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "link/ui/TfrmExists.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

using namespace vexil::link;
using namespace vexil::link::ui;
namespace vf = vexil::varfile;
namespace fs = std::filesystem;

namespace {

class TransferDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "memory");
        fs::create_directories(dir_ / "pc");
        config.model = calcsim::SimModel::TI82;
        config.cablePath = VirtualCablePath(dir_).string();
        config.memoryDir = dir_ / "memory";
    }
    void TearDown() override { sim_.stop(); }
    void startSim(std::vector<std::string> toSend = {}) { sim_.start(config, std::move(toSend)); }
    QString write(const fs::path &path, const std::vector<vf::VarEntry> &entries)
    {
        const auto bytes = vf::BuildVarFile(vf::CalcModel::TI82,
                                            vf::WriterComment(vf::CommentWriter::Group), entries);
        EXPECT_FALSE(vexil::base::WriteFileAtomically(path, *bytes));
        return QString::fromStdString(path.string());
    }
    // Runs `step` every millisecond while the dialog is up, until it returns true.
    void whileShown(std::function<bool()> step)
    {
        auto *timer = new QTimer(&dialog);
        timer->setInterval(1);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
            if (step()) {
                timer->stop();
            }
        });
        timer->start();
    }

    calcsim::SimConfig config;
    test::SimOnCable sim_;
    vexil::uibase::ScopedScriptedDialogs dialogs;
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
    TfrmSendFile dialog{[this] { return LinkSettings{0, kPortVirtualCable, false, dir_}; }};
};

const vf::VarEntry kProgram{0x05, {'H', 'I'}, {0x02, 0x00, 0xDE, 0x2A}};

} // namespace

TEST_F(TransferDialog, SuccessAndRefusalsCloseTheDialog)
{
    startSim();
    dialog.StartSendFile(write(dir_ / "pc" / "HI.82p", {kProgram}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), "Sending HI.82p...");
    ASSERT_NE(sim_->memory().find(0x05, {'H', 'I'}), nullptr);
    // The same name again: the calculator's user skips it, and the dialog closes.
    dialog.StartSendFile(write(dir_ / "pc" / "HI.82p", {kProgram}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(TransferDialog, TheDescriptionLineShowsThetaAsTheLetter)
{
    startSim();
    QString shown;
    whileShown([&] {
        shown = dialog.Label5->text();
        return !shown.isEmpty();
    });
    dialog.StartSendFile(write(dir_ / "pc" / "TX.82p", {{0x05, {0x5B, 'X'}, kProgram.data}}));
    EXPECT_EQ(shown, QString::fromUtf8("Program \u03B8X"));
}

TEST_F(TransferDialog, StopShowsTheMessageAndSendRetriesFromTheStart)
{
    // The calculator gives up the broken exchange soon, as a real one does.
    config.exchangeTimeoutMs = 200;
    startSim();
    vf::Bytes big(3002, 0x41);
    big[0] = 0xB8;
    big[1] = 0x0B;
    const vf::VarEntry entry{0x05, {'B', 'I', 'G'}, big};
    int stops = 0;
    std::chrono::steady_clock::time_point stoppedAt;
    QString failure;
    whileShown([&] {
        if (stops == 0 && dialog.Button3->isEnabled() && dialog.Gauge1->value() > 100) {
            ++stops;
            dialog.Button3->click();
            return false;
        }
        if (stops == 1 && dialog.Button1->isEnabled()) {
            failure = dialog.Label1->text();
            EXPECT_TRUE(dialog.Button2->isEnabled());
            EXPECT_FALSE(dialog.Button3->isEnabled());
            ++stops;
            stoppedAt = std::chrono::steady_clock::now();
            return false;
        }
        if (stops == 2 &&
            std::chrono::steady_clock::now() - stoppedAt > std::chrono::milliseconds(600)) {
            dialog.Button1->click();
            return true;
        }
        return false;
    });
    dialog.StartSendFile(write(dir_ / "pc" / "BIG.82p", {entry}));
    EXPECT_EQ(failure, QString("Transmission cancelled.  ") + kRetrySendProgram);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto *held = sim_->memory().find(0x05, entry.name);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->data, big);
}

TEST_F(TransferDialog, MemoryFullKeepsTheDialogOpenWithItsMessage)
{
    config.freeBytes = 2;
    startSim();
    QString failure;
    whileShown([&] {
        if (!dialog.Button1->isEnabled() || !dialog.Label1->text().startsWith("Error")) {
            return false;
        }
        failure = dialog.Label1->text();
        dialog.Button2->click();
        return true;
    });
    dialog.StartSendFile(write(dir_ / "pc" / "HI.82p", {kProgram}));
    EXPECT_EQ(failure, QString("Error: Memory Full.  Try deleting some other programs.  ") +
                           kRetrySendProgram);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(TransferDialog, ExtensionChoosesBackupAndGroup)
{
    startSim();
    // Sent as a group: both variables arrive.
    const vf::VarEntry a{0x00, {'A'}, vf::Bytes(9, 0x11)};
    dialog.StartSendFile(write(dir_ / "pc" / "TWO.82G", {a, kProgram}));
    EXPECT_NE(sim_->memory().find(0x00, {'A'}), nullptr);
    EXPECT_NE(sim_->memory().find(0x05, {'H', 'I'}), nullptr);
    // Sent as a backup: the calculator stores a backup.
    const vf::Bytes section{9,    0, 1, 0,    0x0F, 1, 0,    1, 0, 0x24,
                            0x8D, 1, 0, 0xAA, 1,    0, 0xBB, 1, 0, 0xCC};
    const auto backup =
        vf::BuildVarFileFromSection(vf::CalcModel::TI82, vf::MakeComment(""), section);
    ASSERT_FALSE(vexil::base::WriteFileAtomically(dir_ / "pc" / "mem.82B", *backup));
    dialog.StartSendFile(QString::fromStdString((dir_ / "pc" / "mem.82B").string()));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(dir_ / "memory" / "Backup.82b"));
}

TEST_F(TransferDialog, ReceiveAsksWhenAFileExistsAndRenameNeedsAName)
{
    const vf::VarEntry theta{0x00, {0x5B}, vf::Bytes(9, 0x22)};
    write(dir_ / "memory" / "send.82g", {theta, kProgram});
    write(dir_ / "pc" / "HI.82p", {kProgram});
    startSim({"send.82g"});
    whileShown([&] {
        TfrmExists *exists = dialog.frmExists;
        if (!exists->isVisible()) {
            return false;
        }
        // It opens on Rename; Escape is no way out of the question.
        EXPECT_EQ(exists->focusWidget(), exists->RadioRename);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(exists, &escape);
        EXPECT_TRUE(exists->isVisible());
        // Rename with an empty name: the message, and the dialog stays.
        exists->Button1->click();
        EXPECT_TRUE(exists->isVisible());
        exists->Edit1->setText("renamed.82p");
        exists->Button1->click();
        return true;
    });
    dialog.StartReceive(QString::fromStdString((dir_ / "pc").string()), MakeReceiveName);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "You must specify a filename if you want to rename this file.");
    EXPECT_TRUE(fs::exists(dir_ / "pc" / "RealTHET.82n"));
    EXPECT_TRUE(fs::exists(dir_ / "pc" / "renamed.82p"));
}

TEST_F(TransferDialog, ReceiveThatCannotWriteSaysWhyAndOffersARetry)
{
    write(dir_ / "memory" / "HI.82p", {kProgram});
    startSim({"HI.82p"});
    QString failure;
    bool ran = false;
    whileShown([&] {
        ran = ran || dialog.Button3->isEnabled();
        if (!ran || !dialog.Button1->isEnabled()) {
            return false;
        }
        failure = dialog.Label1->text();
        dialog.Button2->click();
        return true;
    });
    dialog.StartReceive(QString::fromStdString((dir_ / "pc" / "gone").string()), MakeReceiveName);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(failure, dialogs->shown[0].text + "  " + kRetryReceive);
}
