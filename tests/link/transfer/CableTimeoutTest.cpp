// SPDX-License-Identifier: GPL-3.0-or-later
// Time-outs as a real calculator has them, on the virtual cable and on a TI-Graph
// Link (a pseudo-terminal standing in for the serial port): a calculator that
// dies inside a packet ends the transfer within seconds, one whose user takes
// long at a prompt is waited for.
#include "../RecordingHost.h"
#include "../SimOnCable.h"
#include "base/FileIo.h"
#include "link/Link.h"
#include "link/LinkDevice.h"
#include "link/ReceiveName.h"
#include "link/calcsim/SimCalculator.h"
#include "link/transfer/CableDevice.h"
#include "link/transfer/ReceiveVariables.h"
#include "link/transfer/SendOperations.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vexil::link;
using namespace vexil::link::test;
using namespace vexil::link::transfer;
namespace fs = std::filesystem;
namespace vf = vexil::varfile;
using Clock = std::chrono::steady_clock;

namespace {

enum class Cable { Virtual, GraphLink };

const vf::VarName kName{'P', 'R', 'O', 'G'};

vf::Bytes Program(size_t tokens, uint8_t seed)
{
    vf::Bytes data{static_cast<uint8_t>(tokens), static_cast<uint8_t>(tokens >> 8)};
    for (size_t i = 0; i < tokens; ++i) {
        data.push_back(static_cast<uint8_t>(seed + i));
    }
    return data;
}

class CableTimeouts : public ::testing::TestWithParam<Cable> {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "memory");
        fs::create_directories(dir_ / "pc");
        config.model = calcsim::SimModel::TI83;
        config.memoryDir = dir_ / "memory";
        if (GetParam() == Cable::Virtual) {
            config.cablePath = VirtualCablePath(dir_).string();
            link.setProgramDir(dir_);
            ASSERT_EQ(link.LinkInit(0, kPortVirtualCable), "");
            return;
        }
        char name[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        termios tio{};
        ::tcgetattr(slave_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
        config.serialFd = master_;
        ASSERT_EQ(AttachCable(link, host, {LinkDeviceKind::GraphLinkSerial, name}), "");
    }

    void TearDown() override
    {
        sim_.stop();
        if (master_ >= 0) {
            ::close(slave_);
            ::close(master_);
        }
    }

    void startSim(std::vector<std::string> toSend = {}) { sim_.start(config, std::move(toSend)); }

    fs::path writeFile(const fs::path &path, const vf::Bytes &data)
    {
        const auto bytes =
            vf::BuildVarFile(vf::CalcModel::TI83, vf::WriterComment(vf::CommentWriter::Group),
                             {{0x05, kName, data}});
        EXPECT_FALSE(vexil::base::WriteFileAtomically(path, *bytes));
        return path;
    }
    fs::path pcDir() const { return dir_ / "pc"; }
    fs::path memoryDir() const { return dir_ / "memory"; }

    calcsim::SimConfig config;
    RecordingHost host;
    Link link{host};
    QuietView view;
    SimOnCable sim_;

private:
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
    int master_ = -1;
    int slave_ = -1;
};

std::string CableName(const ::testing::TestParamInfo<Cable> &info)
{
    return info.param == Cable::Virtual ? "VirtualCable" : "GraphLink";
}

} // namespace

TEST_P(CableTimeouts, ACalculatorWaitingTenSecondsAtItsPromptStillGetsTheFile)
{
    writeFile(memoryDir() / "held.83p", Program(10, 1));
    config.duplicate = calcsim::DuplicateRule::Overwrite;
    config.promptDelayMs = 10'000;
    startSim();
    const vf::Bytes replacement = Program(40, 9);
    const auto start = Clock::now();
    EXPECT_EQ(SendVariableFile(link, view, writeFile(pcDir() / "PROG.83p", replacement)),
              TransferResult::Ok);
    EXPECT_GE(Clock::now() - start, std::chrono::seconds(10));
    const auto *held = sim_->memory().find(0x05, kName);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->data, replacement);
}

TEST_P(CableTimeouts, ACalculatorThatDiesInsideAPacketEndsInATimeOutWithinSeconds)
{
    // Sending: the calculator stops taking bytes in the middle of the data.
    config.faults.deadAfterBytes = 300;
    startSim();
    auto start = Clock::now();
    EXPECT_EQ(SendVariableFile(link, view, writeFile(pcDir() / "PROG.83p", Program(3000, 2))),
              TransferResult::Timeout);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    EXPECT_STREQ(ResultMessage(TransferResult::Timeout),
                 "Timeout!  Check your cables and make sure calculator is in the Link menu.  ");
}

TEST_P(CableTimeouts, ACalculatorThatDiesWhileSendingEndsTheReceiveWithinSeconds)
{
    writeFile(memoryDir() / "big.83p", Program(3000, 3));
    config.faults.deadAfterBytes = 400;
    startSim({"big.83p"});
    const auto start = Clock::now();
    EXPECT_EQ(ReceiveVariables(link, view, pcDir(), MakeReceiveName), TransferResult::Timeout);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(fs::is_empty(pcDir()));
}

TEST_P(CableTimeouts, AScriptCanBoundTheWaitsForTheUser)
{
    // Nobody sends from the calculator, and its user never answers a prompt.
    writeFile(memoryDir() / "held.83p", Program(10, 1));
    config.duplicate = calcsim::DuplicateRule::Overwrite;
    config.promptDelayMs = 60'000;
    startSim();
    link.UserWaitMs = 300;
    auto start = Clock::now();
    EXPECT_EQ(ReceiveVariables(link, view, pcDir(), MakeReceiveName), TransferResult::Timeout);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    link.ResetState();
    start = Clock::now();
    EXPECT_EQ(SendVariableFile(link, view, writeFile(pcDir() / "PROG.83p", Program(5, 4))),
              TransferResult::Timeout);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
}

INSTANTIATE_TEST_SUITE_P(Cables, CableTimeouts, ::testing::Values(Cable::Virtual, Cable::GraphLink),
                         CableName);
