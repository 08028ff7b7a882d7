// SPDX-License-Identifier: GPL-3.0-or-later
// The picture dialog against the simulated calculator over the virtual cable: a
// picture sent from its Link menu arrives, anything else is refused, and Cancel
// ends the wait.
#include "link/ui/TfrmGetPic.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "link/LinkDevice.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "link/ui/PacketLogView.h"
#include "link/ui/TfrmSendFile.h"
#include "support/ScratchFolder.h"
#include "tools/PictureFile.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace vexil::link;
using namespace vexil::link::ui;
namespace vf = vexil::varfile;
namespace fs = std::filesystem;

namespace {

vexil::tools::SpriteGrid Diagonals()
{
    vexil::tools::SpriteGrid cells;
    for (int i = 0; i < 63; ++i) {
        cells.set(i, i, true);
        cells.set(95 - i, i, true);
    }
    return cells;
}

class PictureDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "memory");
        config.model = calcsim::SimModel::TI83;
        config.cablePath = VirtualCablePath(dir_).string();
        config.memoryDir = dir_ / "memory";
        ASSERT_FALSE(vexil::base::WriteFileAtomically(
            dir_ / "memory" / "Pic2.83i",
            *vexil::tools::BuildPictureFile(vf::CalcModel::TI83, 2, Diagonals())));
        const auto list =
            vf::BuildVarFile(vf::CalcModel::TI83, vf::WriterComment(vf::CommentWriter::List),
                             {{0x01, {0x5D, 0x00}, {0x00, 0x00}}});
        ASSERT_FALSE(vexil::base::WriteFileAtomically(dir_ / "memory" / "L1.83l", *list));
    }
    void TearDown() override { sim_.stop(); }
    void startSim(std::vector<std::string> toSend) { sim_.start(config, std::move(toSend)); }
    bool simLogHas(const std::string &text)
    {
        for (int i = 0; i < 200; ++i) {
            const auto log = sim_->log();
            if (std::any_of(log.begin(), log.end(), [&](const std::string &line) {
                    return line.find(text) != std::string::npos;
                })) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    calcsim::SimConfig config;
    test::SimOnCable sim_;
    vexil::uibase::ScopedScriptedDialogs dialogs;
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
    TfrmSendFile transfer{[this] { return LinkSettings{0, kPortVirtualCable, false, dir_}; }};
    TfrmGetPic dialog{transfer.link(), [this] { return transfer.linkInit(); }, [] { return true; }};
};

} // namespace

TEST_F(PictureDialog, APictureSentFromTheLinkMenuArrives)
{
    EXPECT_EQ(dialog.windowTitle(), "Waiting...");
    EXPECT_EQ(dialog.Panel1->text(), "Please send the Pic now.");
    EXPECT_EQ(dialog.Button1->text(), "Cancel");
    startSim({"Pic2.83i"});
    const auto rows = dialog.GetPic();
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, vexil::tools::RowsOfGrid(Diagonals(), 63));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.APic().size(), 764U);
    const std::vector<std::string> &log = dialog.Memo1->lines();
    ASSERT_EQ(log.size(), 4U);
    EXPECT_EQ(log[0], "Packet = 83 06 0B 00 F6 02 07 60 01 00 00 00 00 00 00 60 01 ");
    EXPECT_EQ(log[1].rfind("Packet = 83 56", 0), 0U);
    EXPECT_EQ(log[2].rfind("APic = 83 15 F6 02 F4 02 ", 0), 0U);
    EXPECT_EQ(log[3], "Packet = 83 92 00 00 ");
    EXPECT_TRUE(simLogHas("sent `"));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(PictureDialog, AListIsRefusedWithTheExitAlone)
{
    startSim({"L1.83l"});
    EXPECT_FALSE(dialog.GetPic());
    ASSERT_EQ(dialogs->shown.size(), 1U);
    EXPECT_EQ(dialogs->shown[0].text, "That wasn't a Pic!");
    // The calculator was told to stop, and acknowledged it.
    EXPECT_TRUE(simLogHas("the computer refused"));
    EXPECT_TRUE(simLogHas("with reason 1"));
}

TEST_F(PictureDialog, CancelEndsTheWaitAtOnce)
{
    startSim({});
    QTimer::singleShot(100, dialog.Button1, &QPushButton::click);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(dialog.GetPic());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialogs->shown.empty());
}
