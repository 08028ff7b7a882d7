// SPDX-License-Identifier: GPL-3.0-or-later
// The packet layer against the simulated calculator over the virtual cable,
// exchange by exchange, for both models.
#include "RecordingHost.h"
#include "SimOnCable.h"
#include "base/FileIo.h"
#include "link/Link.h"
#include "link/LinkDevice.h"
#include "link/calcsim/SimCalculator.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace vexil::link;
using namespace vexil::link::calcsim;
using namespace vexil::link::test;
namespace fs = std::filesystem;
namespace vf = vexil::varfile;

namespace {

const SimVariable kRealA{0x00, {'A'}, {0x00, 0x80, 0x12, 0x56, 0x34, 0x78, 0x85, 0x25, 0x55}};
const SimVariable kRealB{0x00, {'B'}, {0x00, 0x81, 0x31, 0x41, 0x59, 0x26, 0x53, 0x58, 0x97}};
const SimVariable kProgram{0x05, {'H', 'E', 'L', 'L', 'O'}, {0x03, 0x00, 0xDE, 0x2A, 0x48}};

class SimExchange : public ::testing::TestWithParam<SimModel> {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "memory");
        config.model = GetParam();
        config.cablePath = VirtualCablePath(dir_).string();
        config.memoryDir = dir_ / "memory";
        link.setProgramDir(dir_);
        ASSERT_EQ(link.LinkInit(0, kPortVirtualCable), "");
        link.MachineId = pcId();
        // Nothing in the cable times out; a test that goes wrong is stopped the
        // way a user would stop it.
        const auto started = std::chrono::steady_clock::now();
        host.onPump = [this, started] {
            if (host.pumps % 4096 == 0 &&
                std::chrono::steady_clock::now() - started > std::chrono::seconds(20)) {
                link.Cancel();
            }
        };
    }

    void TearDown() override { sim_.stop(); }

    void startSim(std::vector<std::string> toSend = {}) { sim_.start(config, std::move(toSend)); }

    bool ti82() const { return GetParam() == SimModel::TI82; }
    uint8_t pcId() const { return ti82() ? 0x02 : 0x03; }
    uint8_t calcId() const { return ti82() ? 0x82 : 0x83; }
    std::string ext(char letter) const { return std::string(ti82() ? ".82" : ".83") + letter; }

    void putInMemory(const std::string &name, const std::vector<SimVariable> &vars)
    {
        std::vector<vf::VarEntry> entries;
        for (const auto &v : vars) {
            entries.push_back({v.typeId, v.name, v.data});
        }
        const auto bytes = vf::BuildVarFile(ti82() ? vf::CalcModel::TI82 : vf::CalcModel::TI83,
                                            vf::WriterComment(vf::CommentWriter::Group), entries);
        ASSERT_TRUE(bytes);
        ASSERT_FALSE(vexil::base::WriteFileAtomically(config.memoryDir / name, *bytes));
    }

    void send(Packet p) { link.SendPacket(p, false); }
    Packet receive()
    {
        Packet p;
        link.ReceivePacketChecked(p, false);
        return p;
    }
    // Receives a packet and checks who sent it and what it is.
    Packet expect(uint8_t command, int length = -1)
    {
        Packet p = receive();
        EXPECT_FALSE(link.check().has_value());
        EXPECT_EQ(p[0], calcId());
        EXPECT_EQ(p[1], command);
        if (length >= 0) {
            EXPECT_EQ(LengthField(p), length);
        }
        return p;
    }
    // The reason of a refusal whose 4 header bytes have been read.
    uint8_t refusalReason()
    {
        const uint8_t reason = link.ReceiveByte();
        const uint8_t lo = link.ReceiveByte();
        const uint8_t hi = link.ReceiveByte();
        EXPECT_EQ(lo | hi << 8, reason);
        return reason;
    }
    void ack() { send(HeaderPacket(pcId(), command::kAck)); }
    Packet varHeader(const SimVariable &v, uint8_t cmd = command::kVarHeader)
    {
        std::vector<uint8_t> h{static_cast<uint8_t>(v.data.size()),
                               static_cast<uint8_t>(v.data.size() >> 8), v.typeId};
        h.insert(h.end(), v.name.begin(), v.name.end());
        return DataPacket(pcId(), cmd, h);
    }
    // The calculator's file for a stored variable, parsed.
    vf::ParsedEntry stored(const std::string &fileName)
    {
        const auto read = vexil::base::ReadWholeFile(config.memoryDir / fileName);
        EXPECT_TRUE(read.ok()) << fileName;
        const auto contents = vf::ParseVarFile(read.bytes);
        EXPECT_TRUE(contents.intact()) << fileName;
        return contents.entries.empty() ? vf::ParsedEntry{} : contents.entries[0];
    }
    // The PC's half of one manual variable send, up to the calculator's answer to
    // the header. Returns the answering command.
    uint8_t offer(const SimVariable &v)
    {
        send(varHeader(v));
        expect(command::kAck, 0x0B);
        const Packet answer = receive();
        return answer[1];
    }
    void sendData(const SimVariable &v)
    {
        ack();
        send(DataPacket(pcId(), command::kData, v.data));
        expect(command::kAck, static_cast<int>(v.data.size()));
    }

    SimConfig config;
    RecordingHost host;
    Link link{host};
    SimOnCable sim_;

private:
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
};

} // namespace

TEST_P(SimExchange, ManualSendOfSeveralVariablesInOneSession)
{
    startSim();
    // VAR, ACK, CTS, ACK, DATA, ACK for each variable; no EOT in between.
    ASSERT_EQ(offer(kRealA), command::kClearToSend);
    sendData(kRealA);
    ASSERT_EQ(offer(kProgram), command::kClearToSend);
    sendData(kProgram);
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    expect(command::kAck, 0);

    const auto real = stored("A" + ext('n'));
    EXPECT_EQ(real.data, kRealA.data);
    const auto program = stored("HELLO" + ext('p'));
    EXPECT_EQ(program.typeId, 0x05);
    EXPECT_EQ(program.data, kProgram.data);
}

TEST_P(SimExchange, RefusesByItsRules)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    config.freeBytes = 8;
    startSim();
    // Name taken, the user omits it: SKIP, acknowledged, then the session goes on.
    ASSERT_EQ(offer(kRealA), command::kRefusal);
    EXPECT_EQ(refusalReason(), refusal::kSkip);
    ack();
    // Too big for the free memory: code 3.
    ASSERT_EQ(offer(kRealB), command::kRefusal);
    EXPECT_EQ(refusalReason(), refusal::kMemoryFull);
    ack();
    EXPECT_FALSE(fs::exists(config.memoryDir / ("RealB" + ext('n'))));
}

TEST_P(SimExchange, ExitRuleEndsTheSession)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    config.duplicate = DuplicateRule::Exit;
    startSim();
    ASSERT_EQ(offer(kRealA), command::kRefusal);
    EXPECT_EQ(refusalReason(), refusal::kExit);
    ack();
    // The computer's closing EOT gets no answer; the calculator listens again.
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck, 0);
    expect(command::kData, 768);
    ack();
}

TEST_P(SimExchange, ScreenshotAnswersWithTheScreen)
{
    config.screen.fill(0);
    config.screen[0] = 0x80;
    config.screen[767] = 0x01;
    startSim();
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck, 0);
    const Packet screen = expect(command::kData, 768);
    EXPECT_EQ(screen[4], 0x80);
    EXPECT_EQ(screen[771], 0x01);
    ack(); // the computer acknowledges the screen, as the calculator waits for
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck, 0);
    expect(command::kData, 768);
    ack();
}

TEST_P(SimExchange, CalculatorSendsFromItsLinkMenu)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    putInMemory("group" + ext('g'), {kRealB, kProgram});
    startSim({"RealA" + ext('n'), "group" + ext('g')});
    // Three variables: the PC takes A, skips B, takes the program.
    for (const SimVariable *v : {&kRealA, &kRealB, &kProgram}) {
        const Packet header = expect(command::kVarHeader, 11);
        EXPECT_EQ(header[6], v->typeId);
        ack();
        if (v == &kRealB) {
            send(RefusalPacket(pcId(), refusal::kSkip));
            expect(command::kAck);
            continue;
        }
        send(HeaderPacket(pcId(), command::kClearToSend));
        expect(command::kAck);
        const Packet data = expect(command::kData, static_cast<int>(v->data.size()));
        EXPECT_EQ(std::vector<uint8_t>(data.begin() + 4, data.end() - 2), v->data);
        ack();
    }
    expect(command::kEndOfTransmission);
    ack();
}

TEST_P(SimExchange, BackupsBothWays)
{
    startSim();
    // PC to calculator: 9-byte header, confirmed, three sections acknowledged.
    const uint8_t type = ti82() ? 0x0F : 0x13;
    const std::vector<uint8_t> parts[3] = {{1, 2, 3}, {4, 5, 6, 7}, {8}};
    send(DataPacket(pcId(), command::kVarHeader,
                    std::vector<uint8_t>{3, 0, type, 4, 0, 1, 0, 0x24, 0x8D}));
    expect(command::kAck, 9);
    expect(command::kClearToSend);
    ack();
    for (const auto &part : parts) {
        send(DataPacket(0x02, command::kData, part));
        expect(command::kAck);
    }
    const std::string backupFile = "Backup" + ext('b');
    const auto backup = stored(backupFile);
    EXPECT_EQ(backup.headerLength, 9);
    EXPECT_EQ(backup.data, parts[0]);
    ASSERT_EQ(backup.backupParts.size(), 2u);
    EXPECT_EQ(backup.backupParts[1], parts[2]);
    // Nothing, an ACK or an EOT may follow a backup; the calculator carries on.
    ack();
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck);
    expect(command::kData, 768);
}

TEST_P(SimExchange, CalculatorSendsABackup)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    startSim();
    sim_->queueSend({});
    // Make the calculator's own backup file, then send it from the menu.
    const SimBackup made = sim_->memory().makeBackup();
    ASSERT_FALSE(sim_->memory().storeBackup(made).empty());
    sim_->queueSend({"Backup" + ext('b')});
    const Packet header = expect(command::kVarHeader, 9);
    EXPECT_EQ(header[6], ti82() ? 0x0F : 0x13);
    ack();
    send(HeaderPacket(pcId(), command::kClearToSend));
    expect(command::kAck);
    for (const auto &part : made.parts) {
        const Packet data = expect(command::kData, static_cast<int>(part.size()));
        EXPECT_EQ(std::vector<uint8_t>(data.begin() + 4, data.end() - 2), part);
        ack();
    }
}

TEST_P(SimExchange, ChecksumErrorsAreAskedAgainBothWays)
{
    // The calculator's first data-carrying packet (the screen) goes out damaged
    // once: the packet layer asks again exactly once and gets it whole.
    config.faults.corruptDataPacket = 0;
    startSim();
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck);
    expect(command::kData, 768);
    EXPECT_EQ(host.beeps, 1);
    send(HeaderPacket(pcId(), command::kAck));
    // A damaged header from the PC: the calculator answers 0x5A, the PC sends it
    // again.
    Packet bad = varHeader(kRealA);
    bad.back() ^= 0x40;
    for (uint8_t b : bad) { // byte by byte: SendPacket would mend the checksum
        link.SendByte(b);
    }
    expect(command::kChecksumError);
    send(varHeader(kRealA));
    expect(command::kAck, 0x0B);
    expect(command::kClearToSend);
    sendData(kRealA);
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    expect(command::kAck);
}

TEST_P(SimExchange, ACalculatorThatStopsAnsweringIsCancelled)
{
    config.faults.stopAfterPackets = 1;
    startSim();
    send(varHeader(kRealA));
    // No acknowledgement ever comes: the stop button ends the wait.
    long waited = 0;
    host.onPump = [this, &waited] {
        if (++waited == 1000) {
            link.Cancel();
        }
    };
    const Packet p = receive();
    EXPECT_EQ(link.check(), TransferResult::Cancelled);
}

TEST_P(SimExchange, UnexpectedCommandIsSeen)
{
    config.faults.unexpectedReplyTo = 0;
    startSim();
    send(varHeader(kRealA));
    expect(command::kEndOfTransmission);
}

TEST_P(SimExchange, RequestsForVariables)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    startSim();
    // A variable that exists: ACK, VAR, PC ACK, PC CTS, ACK, DATA, PC ACK.
    send(varHeader(SimVariable{0x00, {'A'}, {}}, command::kRequest));
    expect(command::kAck, 0); // a request's length is not echoed
    const Packet header = expect(command::kVarHeader, 11);
    EXPECT_EQ(header[4], 9);
    ack();
    send(HeaderPacket(pcId(), command::kClearToSend));
    expect(command::kAck);
    const Packet data = expect(command::kData, 9);
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 4, data.end() - 2), kRealA.data);
    ack();
    // A missing one: EXIT right after the acknowledgement.
    send(varHeader(SimVariable{0x00, {'Q'}, {}}, command::kRequest));
    expect(command::kAck);
    expect(command::kRefusal);
    EXPECT_EQ(refusalReason(), refusal::kExit);
    ack();
}

TEST_P(SimExchange, IgnoresPacketsFromMachineIdsItDoesNotTalkTo)
{
    startSim();
    link.setByteTimeoutMs(300);
    // A TI-85's computer id, and the TI-83's when this is a TI-82: no answer.
    for (uint8_t foreign : {uint8_t(0x05), uint8_t(ti82() ? 0x03 : 0x23)}) {
        send(HeaderPacket(foreign, command::kScreenRequest));
        receive();
        EXPECT_EQ(link.check(), TransferResult::Timeout) << int(foreign);
        link.ResetState();
    }
    // Both models talk to a computer sending TI-82 data.
    send(HeaderPacket(0x02, command::kScreenRequest));
    expect(command::kAck);
    expect(command::kData, 768);
}

TEST_P(SimExchange, AtTheHomeScreenOnlySilentRequestsAreAnswered)
{
    config.inLinkMenu = false;
    startSim();
    link.setByteTimeoutMs(300);
    // The header of a manual send gets no acknowledgement: the computer's
    // message tells the user to put the calculator in the Link menu.
    send(varHeader(kRealA));
    receive();
    EXPECT_EQ(link.check(), TransferResult::Timeout);
    link.ResetState();
    send(HeaderPacket(pcId(), command::kScreenRequest));
    expect(command::kAck);
    expect(command::kData, 768);
}

TEST_P(SimExchange, ACalculatorThatDoesNotListenTakesNoBit)
{
    config.listening = false;
    startSim();
    link.setByteTimeoutMs(200);
    const auto start = std::chrono::steady_clock::now();
    send(varHeader(kRealA));
    EXPECT_EQ(link.check(), TransferResult::Timeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_P(SimExchange, VariablesAreToldApartByTypeAndName)
{
    // The settings variables carry no name of their own, a program may share a
    // real's name, and an edit-locked program replaces the program of its name.
    const uint8_t window = ti82() ? 0x0B : 0x0F;
    const std::vector<SimVariable> held{{window, {}, {1}},
                                        {uint8_t(window + 1), {}, {2}},
                                        {uint8_t(window + 2), {}, {3}},
                                        {0x05, {'A'}, {4}},
                                        kRealA};
    config.duplicate = DuplicateRule::Overwrite;
    startSim();
    for (const auto &v : held) {
        ASSERT_EQ(offer(v), command::kClearToSend);
        sendData(v);
    }
    const SimVariable locked{0x06, {'A'}, {5}};
    ASSERT_EQ(offer(locked), command::kClearToSend);
    sendData(locked);
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    expect(command::kAck);

    EXPECT_EQ(sim_->memory().variables().size(), held.size());
    EXPECT_EQ(sim_->memory().find(uint8_t(window + 1), {})->data, std::vector<uint8_t>{2});
    EXPECT_EQ(sim_->memory().find(0x05, {'A'})->data, locked.data);
    EXPECT_EQ(sim_->memory().find(0x00, {'A'})->data, kRealA.data);
    for (const std::string &file : {"Window" + ext('w'), "RclWindow" + ext('z'),
                                    "TblSet" + ext('t'), "A" + ext('p'), "A" + ext('n')}) {
        EXPECT_TRUE(fs::exists(config.memoryDir / file)) << file;
    }
}

TEST_P(SimExchange, TheUserTakesItsTimeAtThePrompts)
{
    putInMemory("held" + ext('n'), {kRealA});
    config.duplicate = DuplicateRule::Overwrite;
    config.promptDelayMs = 400;
    startSim();
    // The duplicate name: the acknowledgement at once, the answer after the user.
    send(varHeader(kRealA));
    expect(command::kAck);
    auto asked = std::chrono::steady_clock::now();
    link.WaitForUser();
    expect(command::kClearToSend);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(400));
    sendData(kRealA);
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    expect(command::kAck);
    // The backup confirmation too.
    send(DataPacket(pcId(), command::kVarHeader,
                    std::vector<uint8_t>{1, 0, uint8_t(ti82() ? 0x0F : 0x13), 1, 0, 1, 0, 0, 0}));
    expect(command::kAck);
    asked = std::chrono::steady_clock::now();
    link.WaitForUser();
    expect(command::kClearToSend);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(400));
}

TEST_P(SimExchange, ACalculatorThatGoesDeadMidPacketEndsInATimeOut)
{
    config.faults.deadAfterBytes = 4 + 2 + 5; // inside the header's data
    startSim();
    link.setByteTimeoutMs(200);
    const auto start = std::chrono::steady_clock::now();
    send(varHeader(kRealA));
    EXPECT_EQ(link.check(), TransferResult::Timeout);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

INSTANTIATE_TEST_SUITE_P(Models, SimExchange, ::testing::Values(SimModel::TI82, SimModel::TI83),
                         [](const auto &param) {
                             return param.param == SimModel::TI82 ? "TI82" : "TI83";
                         });

// The TI-83's silent exchanges; a TI-82 ignores them.
class SilentExchange : public SimExchange {};

TEST_P(SilentExchange, SilentSendOverwritesAndEndsWithoutAck)
{
    putInMemory("RealA" + ext('n'), {kRealA});
    startSim();
    const SimVariable newA{0x00, {'A'}, kRealB.data};
    send(varHeader(newA, command::kRequestToSend));
    expect(command::kAck, 0x0B);
    expect(command::kClearToSend);
    sendData(newA);
    send(HeaderPacket(pcId(), command::kEndOfTransmission));
    // No ACK to that EOT: the next request is answered straight away.
    send(Packet{pcId(), command::kKey, 0x9B, 0x00});
    expect(command::kAck, 0x9B);
    // Stored under its own name; the file it replaced is gone.
    EXPECT_EQ(stored("A.83n").data, kRealB.data);
    EXPECT_FALSE(fs::exists(config.memoryDir / "RealA.83n"));
}

TEST_P(SilentExchange, DirectoryBackupRequestAndReady)
{
    putInMemory("RealA.83n", {kRealA});
    putInMemory("HELLO.83p", {kProgram});
    startSim();
    send(HeaderPacket(pcId(), command::kReady));
    expect(command::kAck, 0);
    // Directory: free memory, then one header per variable, then EOT.
    send(varHeader(SimVariable{0x19, {}, {}}, command::kRequest));
    expect(command::kAck);
    const Packet free = expect(command::kData, 2);
    EXPECT_EQ(free[4] | free[5] << 8, static_cast<int>(config.freeBytes - 9 - 5));
    ack();
    expect(command::kVarHeader);
    ack();
    expect(command::kVarHeader);
    ack();
    expect(command::kEndOfTransmission);
    ack();
    // Silent backup: REQ type 0x13, VAR with 9 bytes, ACK, CTS, ACK, 3 DATA.
    send(varHeader(SimVariable{0x13, {}, {}}, command::kRequest));
    expect(command::kAck, 0);
    expect(command::kVarHeader, 9);
    ack();
    send(HeaderPacket(pcId(), command::kClearToSend));
    expect(command::kAck);
    for (int part = 0; part < 3; ++part) {
        expect(command::kData);
        ack();
    }
}

INSTANTIATE_TEST_SUITE_P(TI83, SilentExchange, ::testing::Values(SimModel::TI83),
                         [](const auto &) { return "TI83"; });
