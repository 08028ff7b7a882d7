// SPDX-License-Identifier: GPL-3.0-or-later
// Exchanges a simulated calculator does not produce, played from a script: the
// bytes the computer sends in answer must be exactly these.
#include "../FakeTransport.h"
#include "../RecordingHost.h"
#include "base/FileIo.h"
#include "link/Link.h"
#include "link/ReceiveName.h"
#include "link/transfer/ReceiveVariables.h"
#include "link/transfer/SendOperations.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace vexil::link;
using namespace vexil::link::test;
using namespace vexil::link::transfer;
namespace vf = vexil::varfile;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto &p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

class ScriptedExchange : public ::testing::Test {
protected:
    // The calculator's side of the exchange, then the operation under test.
    FakeTransport &script(Bytes calculatorBytes)
    {
        auto transport = std::make_unique<FakeTransport>(std::move(calculatorBytes));
        FakeTransport &ref = *transport;
        link.useTransport(std::move(transport));
        return ref;
    }
    fs::path file(const std::string &name, const Bytes &data, uint8_t typeId = 0x05)
    {
        const auto bytes =
            vf::BuildVarFile(vf::CalcModel::TI83, vf::MakeComment(""), {{typeId, {'P'}, data}});
        EXPECT_FALSE(vexil::base::WriteFileAtomically(dir_ / name, *bytes));
        return dir_ / name;
    }
    fs::path raw(const std::string &name, const Bytes &bytes)
    {
        EXPECT_FALSE(vexil::base::WriteFileAtomically(dir_ / name, bytes));
        return dir_ / name;
    }

    RecordingHost host;
    Link link{host};
    QuietView view;
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
};

const Bytes kHeaderP3 = {0x03, 0x06, 0x0B, 0x00, 0x03, 0x00, 0x05, 'P', 0,
                         0,    0,    0,    0,    0,    0,    0x58, 0x00};
const Bytes kData3 = {0x03, 0x15, 0x03, 0x00, 0x01, 0x00, 0x41, 0x42, 0x00};

} // namespace

TEST_F(ScriptedExchange, HeaderGoesOutAgainOnEachChecksumError)
{
    FakeTransport &wire =
        script({0x83, 0x5A, 0x00, 0x00, 0x83, 0x5A, 0x00, 0x00, 0x83, 0x56, 0x0B, 0x00,
                0x83, 0x09, 0x00, 0x00, 0x83, 0x56, 0x03, 0x00, 0x83, 0x56, 0x00, 0x00});
    EXPECT_EQ(SendVariableFile(link, view, file("p.83p", {0x01, 0x00, 0x41})), TransferResult::Ok);
    // Three headers, the acknowledgement of the clear to send, the data, and an
    // end of transmission that carries the size: all with the TI-83 id.
    EXPECT_EQ(wire.sent, Concat({kHeaderP3,
                                 kHeaderP3,
                                 kHeaderP3,
                                 {0x03, 0x56, 0x00, 0x00},
                                 kData3,
                                 {0x03, 0x92, 0x03, 0x00}}));
}

TEST_F(ScriptedExchange, RefusalsMapToTheirResults)
{
    const Bytes ack = {0x83, 0x56, 0x0B, 0x00};
    // Memory full: acknowledged, then an end of transmission of length 0.
    {
        FakeTransport &wire = script(Concat({ack, {0x83, 0x36, 0x01, 0x00, 0x03, 0x03, 0x00}}));
        EXPECT_EQ(SendVariableFile(link, view, file("p.83p", {0x01, 0x00, 0x41})),
                  TransferResult::MemoryFull);
        EXPECT_EQ(wire.sent,
                  Concat({kHeaderP3, {0x03, 0x56, 0x00, 0x00}, {0x03, 0x92, 0x00, 0x00}}));
        EXPECT_TRUE(wire.input.empty());
    }
    // A reason no calculator sends is no cancel or time-out.
    {
        script(Concat({ack, {0x83, 0x36, 0x01, 0x00, 0x07, 0x07, 0x00}}));
        EXPECT_EQ(SendVariableFile(link, view, file("p.83p", {0x01, 0x00, 0x41})),
                  TransferResult::TransmissionError);
    }
    // Any other answer to the header.
    {
        script(Concat({ack, {0x83, 0x92, 0x00, 0x00}}));
        EXPECT_EQ(SendVariableFile(link, view, file("p.83p", {0x01, 0x00, 0x41})),
                  TransferResult::TransmissionError);
    }
}

TEST_F(ScriptedExchange, ListUsesTheLinksMachineIdAndEmptyDataHasAZeroChecksum)
{
    FakeTransport &wire = script({0x82, 0x56, 0x0B, 0x00, 0x82, 0x09, 0x00, 0x00, 0x82, 0x56, 0x00,
                                  0x00, 0x82, 0x56, 0x00, 0x00});
    link.MachineId = 0x02;
    EXPECT_EQ(SendFileList(link, view, {file("e.83p", {})}), TransferResult::Ok);
    const Bytes header = {0x02, 0x06, 0x0B, 0x00, 0x00, 0x00, 0x05, 'P', 0,
                          0,    0,    0,    0,    0,    0,    0x55, 0x00};
    EXPECT_EQ(wire.sent, Concat({header,
                                 {0x02, 0x56, 0x00, 0x00},
                                 {0x02, 0x15, 0x00, 0x00, 0x00, 0x00},
                                 {0x02, 0x92, 0x00, 0x00}}));
}

TEST_F(ScriptedExchange, RefusedBackupEndsQuietlyAfterAcknowledging)
{
    // Header 9 bytes, then parts of 1, 1 and 1 byte.
    Bytes section = {9, 0, 1, 0, 0x13, 1, 0, 1, 0, 0x27, 0x93, 1, 0, 0xAA, 1, 0, 0xBB, 1, 0, 0xCC};
    const auto bytes =
        vf::BuildVarFileFromSection(vf::CalcModel::TI83, vf::MakeComment(""), section);
    FakeTransport &wire =
        script({0x83, 0x56, 0x09, 0x00, 0x83, 0x36, 0x01, 0x00, 0x02, 0x02, 0x00});
    link.MachineId = 0x03;
    EXPECT_EQ(SendAnyFile(link, view, raw("b.83B", *bytes)), TransferResult::Ok);
    EXPECT_TRUE(wire.input.empty());
    EXPECT_EQ(Bytes(wire.sent.end() - 4, wire.sent.end()), (Bytes{0x03, 0x56, 0x00, 0x00}));
}

TEST_F(ScriptedExchange, DamagedFilesAreRefusedBeforeAnythingIsSent)
{
    FakeTransport &wire = script({});
    // Shorter than its fixed start.
    EXPECT_THROW(SendVariableFile(link, view, raw("short.83p", Bytes(40, 0))), FileError);
    // A size larger than the data that follows it.
    Bytes cut =
        *vf::BuildVarFile(vf::CalcModel::TI83, vf::MakeComment(""), {{0x05, {'P'}, Bytes(50, 1)}});
    cut.resize(90);
    EXPECT_THROW(SendVariableFile(link, view, raw("cut.83p", cut)), FileError);
    EXPECT_THROW(SendGroupFile(link, view, raw("cut.83g", cut)), FileError);
    EXPECT_THROW(SendBackupFile(link, view, raw("cut.83b", cut)), FileError);
    EXPECT_THROW(SendVariableFile(link, view, dir_ / "missing.83p"), FileError);
    EXPECT_TRUE(wire.sent.empty());
}

TEST_F(ScriptedExchange, ReceiveRejectsWhatIsNoHeaderAndOmitsWhatCannotBeNamed)
{
    // The first packet is not a variable header.
    {
        script({0x83, 0x92, 0x00, 0x00});
        EXPECT_EQ(ReceiveVariables(link, view, dir_, MakeReceiveName),
                  TransferResult::TransmissionError);
    }
    // An equation code without a name: skipped, then the calculator ends.
    {
        const Bytes header = {0x83, 0x06, 0x0B, 0x00, 0x04, 0x00, 0x03, 0x5E, 0x77,
                              0,    0,    0,    0,    0,    0,    0xDC, 0x00};
        FakeTransport &wire =
            script(Concat({header, {0x83, 0x56, 0x00, 0x00}, {0x83, 0x92, 0x00, 0x00}}));
        EXPECT_EQ(ReceiveVariables(link, view, dir_, MakeReceiveName), TransferResult::Ok);
        EXPECT_EQ(wire.sent, (Bytes{0x03, 0x56, 0x00, 0x00, 0x03, 0x36, 0x01, 0x00, 0x02, 0x02,
                                    0x00, 0x03, 0x56, 0x00, 0x00}));
    }
}

TEST_F(ScriptedExchange, ReceiveWaitsForTheUserWithoutATimeOut)
{
    // A transport whose reads time out, with the calculator's user still choosing.
    FakeTransport &wire = script({});
    link.setByteTimeoutMs(5);
    const auto startedAt = std::chrono::steady_clock::now();
    host.onPump = [&] {
        if (wire.input.empty() && wire.sent.empty() &&
            std::chrono::steady_clock::now() - startedAt > std::chrono::milliseconds(50)) {
            wire.input.assign({0x82, 0x92, 0x00, 0x00});
        }
    };
    // The end of transmission is no header, but it did arrive: no time-out.
    EXPECT_EQ(ReceiveVariables(link, view, dir_, MakeReceiveName),
              TransferResult::TransmissionError);
    EXPECT_EQ(link.MachineId, 0x02);
    // A link that has already failed does not wait at all.
    host.onPump = nullptr;
    script({});
    link.LinkError = 1;
    EXPECT_EQ(ReceiveVariables(link, view, dir_, MakeReceiveName), TransferResult::Timeout);
}

TEST_F(ScriptedExchange, QuitEndsTheReceiveEvenWithoutAnAcknowledgement)
{
    const Bytes header = {0x82, 0x06, 0x0B, 0x00, 0x09, 0x00, 0x00, 'A', 0,
                          0,    0,    0,    0,    0,    0,    0x4A, 0x00};
    raw("RealA.82n", Bytes{1});
    struct QuitView : QuietView {
        ExistsAnswer askExists(const std::string &) override { return {ExistsChoice::Quit, {}}; }
    } quit;
    FakeTransport &wire = script(header);
    EXPECT_EQ(ReceiveVariables(link, quit, dir_, MakeReceiveName), TransferResult::Ok);
    EXPECT_EQ(wire.sent, (Bytes{0x02, 0x56, 0x00, 0x00, 0x02, 0x36, 0x01, 0x00, 0x01, 0x01, 0x00}));
}
