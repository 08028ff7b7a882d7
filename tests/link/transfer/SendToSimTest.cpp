// SPDX-License-Identifier: GPL-3.0-or-later
// Sending files to the simulated calculator over the virtual cable: what it
// stores must be byte for byte what the files held.
#include "SimFixture.h"
#include "link/transfer/SendOperations.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarNames.h"

using namespace vexil::link;
using namespace vexil::link::test;
using namespace vexil::link::transfer;
namespace vf = vexil::varfile;

namespace {

vf::Bytes Pattern(size_t size, uint8_t seed)
{
    vf::Bytes bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    }
    return bytes;
}

vf::VarName Named(std::initializer_list<uint8_t> bytes)
{
    vf::VarName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

vf::Bytes Sized(vf::Bytes tokens)
{
    tokens.insert(tokens.begin(), 2, 0);
    tokens[0] = static_cast<uint8_t>(tokens.size() - 2);
    tokens[1] = static_cast<uint8_t>((tokens.size() - 2) >> 8);
    return tokens;
}

// One variable of every kind the model has, with its file extension letter.
std::vector<std::pair<vf::VarEntry, char>> EveryKind(bool ti82)
{
    const vf::VarName settings =
        vf::SettingsVarName(ti82 ? vf::CalcModel::TI82 : vf::CalcModel::TI83);
    std::vector<std::pair<vf::VarEntry, char>> kinds = {
        {{0x00, Named({'A'}), Pattern(9, 1)}, 'n'},
        {{0x00, Named({0x5B}), Pattern(9, 2)}, 'n'},
        {{0x01, Named({0x5D, 0x01}), Sized(Pattern(18, 3))}, 'l'},
        {{0x02, Named({0x5C, 0x01}), Pattern(2 + 4 * 9, 4)}, 'm'},
        {{0x03, Named({0x5E, 0x10}), Sized({0x58, 0x70, 0x31})}, 'y'},
        {{0x05, Named({'H', 'E', 'L', 'L', 'O'}), Sized({0xDE, 0x2A, 0x48, 0x2A})}, 'p'},
        {{0x06, Named({'A', 'S', 'M'}), Sized(Pattern(300, 5))}, 'p'},
        {{0x07, Named({0x60, 0x00}), Sized(Pattern(756, 6))}, 'i'},
        {{0x08, Named({0x61, 0x02}), Pattern(120, 7)}, 'd'},
    };
    if (ti82) {
        kinds.push_back({{0x0B, settings, Pattern(2 + 10 * 9, 8)}, 'w'});
        kinds.push_back({{0x0C, settings, Pattern(2 + 10 * 9, 9)}, 'z'});
        kinds.push_back({{0x0D, settings, Pattern(2 + 2 * 9, 10)}, 't'});
    } else {
        kinds.push_back({{0x04, Named({0xAA, 0x03}), Sized({0x41, 0x42})}, 's'});
        kinds.push_back({{0x0C, Named({'C'}), Pattern(18, 11)}, 'c'});
        kinds.push_back({{0x0D, Named({0x5D, 'X', 'Y'}), Sized(Pattern(36, 12))}, 'l'});
        kinds.push_back({{0x0F, settings, Pattern(2 + 10 * 9, 8)}, 'w'});
        kinds.push_back({{0x10, settings, Pattern(2 + 10 * 9, 9)}, 'z'});
        kinds.push_back({{0x11, settings, Pattern(2 + 2 * 9, 10)}, 't'});
    }
    return kinds;
}

class SendToSim : public SimFixture {
protected:
    // The simulated calculator's copy of a variable, or nothing.
    const vexil::link::calcsim::SimVariable *held(const vf::VarEntry &entry)
    {
        return sim_->memory().find(entry.typeId, entry.name);
    }
    void expectHeld(const vf::VarEntry &entry)
    {
        const auto *variable = held(entry);
        ASSERT_NE(variable, nullptr) << int(entry.typeId);
        EXPECT_EQ(variable->data, entry.data) << int(entry.typeId);
    }
};

} // namespace

TEST_P(SendToSim, EveryKindOfVariableFileIsStoredByteForByte)
{
    // Window, zoom and table settings share one name: each replaces the last.
    config.duplicate = vexil::link::calcsim::DuplicateRule::Overwrite;
    startSim();
    int n = 0;
    for (const auto &[entry, letter] : EveryKind(ti82())) {
        const auto file = writeFile("var" + std::to_string(n++) + ext(letter), {entry});
        ASSERT_EQ(SendVariableFile(link, view, file), TransferResult::Ok) << file;
        expectHeld(entry);
    }
    // The description line named each variable as it went.
    EXPECT_EQ(view.descriptions.front(), "Real A");
    EXPECT_EQ(view.descriptions[2], "List L2");
    EXPECT_EQ(view.descriptions[3], "Matrix [B]");
    EXPECT_EQ(view.descriptions[5], "Program HELLO");
    EXPECT_EQ(view.descriptions[7], "Picture Pic1");
    EXPECT_EQ(view.descriptions.back(), "Table Settings");
    EXPECT_EQ(host.statuses.back(), "Closing comms...");
}

TEST_P(SendToSim, GroupGoesOnAfterARefusedEntry)
{
    const vf::VarEntry a{0x00, Named({'A'}), Pattern(9, 1)};
    const vf::VarEntry b{0x00, Named({'B'}), Pattern(9, 2)};
    const vf::VarEntry prog{0x05, Named({'P'}), Sized(Pattern(40, 3))};
    // B is already on the calculator, whose user skips it.
    writeFile("RealB" + ext('n'), {{0x00, Named({'B'}), Pattern(9, 9)}}, memoryDir());
    startSim();
    const auto group = writeFile("three" + ext('g'), {a, b, prog});
    EXPECT_EQ(SendGroupFile(link, view, group), TransferResult::Ok);
    expectHeld(a);
    expectHeld(prog);
    EXPECT_EQ(held(b)->data, Pattern(9, 9));
    EXPECT_EQ(view.descriptions.size(), 3u);
}

TEST_P(SendToSim, GroupWithAllEntriesAndUpperCaseExtension)
{
    const std::vector<vf::VarEntry> entries{{0x00, Named({'X'}), Pattern(9, 1)},
                                            {0x01, Named({0x5D, 0x00}), Sized(Pattern(27, 2))},
                                            {0x05, Named({'Z', 'Z'}), Sized(Pattern(500, 3))}};
    startSim();
    const auto group = writeFile(std::string("ALL.8") + (ti82() ? '2' : '3') + 'G', entries);
    EXPECT_EQ(SendKindFor(group), SendKind::Group);
    EXPECT_EQ(SendAnyFile(link, view, group), TransferResult::Ok);
    for (const auto &e : entries) {
        expectHeld(e);
    }
}

TEST_P(SendToSim, FileListSendsEachFileInOneSession)
{
    const std::vector<vf::VarEntry> entries{
        {0x00, Named({'K'}), Pattern(9, 1)},
        {0x05, Named({'L', 'I', 'S', 'T'}), Sized(Pattern(64, 2))},
        {0x02, Named({0x5C, 0x00}), Pattern(20, 3)}};
    startSim();
    std::vector<std::filesystem::path> files;
    for (size_t i = 0; i < entries.size(); ++i) {
        files.push_back(writeFile("f" + std::to_string(i) + ext('x'), {entries[i]}));
    }
    link.MachineId = ti82() ? 0x02 : 0x03;
    EXPECT_EQ(SendFileList(link, view, files), TransferResult::Ok);
    for (const auto &e : entries) {
        expectHeld(e);
    }
    EXPECT_EQ(view.fileNumbers, (std::vector<std::string>{"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_EQ(view.captions.back(), "Sending " + files.back().string());
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "Sending program data..."),
              host.statuses.end());
}

TEST_P(SendToSim, BackupIsStoredByteForByte)
{
    // A backup the way a calculator makes one, written as a file on the computer.
    const uint8_t type = ti82() ? 0x0F : 0x13;
    const vf::Bytes parts[3] = {Pattern(300, 1), Pattern(1200, 2), Pattern(40, 3)};
    vf::Bytes section{9, 0};
    const uint8_t header[9] = {static_cast<uint8_t>(parts[0].size()),
                               static_cast<uint8_t>(parts[0].size() >> 8),
                               type,
                               static_cast<uint8_t>(parts[1].size()),
                               static_cast<uint8_t>(parts[1].size() >> 8),
                               static_cast<uint8_t>(parts[2].size()),
                               0,
                               0x24,
                               0x8D};
    section.insert(section.end(), header, header + 9);
    for (const auto &part : parts) {
        section.push_back(static_cast<uint8_t>(part.size()));
        section.push_back(static_cast<uint8_t>(part.size() >> 8));
        section.insert(section.end(), part.begin(), part.end());
    }
    const auto bytes =
        vf::BuildVarFileFromSection(model(), vf::WriterComment(vf::CommentWriter::Group), section);
    const auto file = pcDir() / ("mem" + ext('b'));
    ASSERT_FALSE(vexil::base::WriteFileAtomically(file, *bytes));
    startSim();
    link.MachineId = ti82() ? 0x02 : 0x03;
    ASSERT_EQ(SendAnyFile(link, view, file), TransferResult::Ok);
    EXPECT_EQ(view.descriptions.back(), "Backup");
    EXPECT_EQ(view.hides, 1);

    const auto stored = readBytes(memoryDir() / ("Backup" + ext('b')));
    ASSERT_GT(stored.size(), 57u);
    EXPECT_EQ(vf::Bytes(stored.begin() + 55, stored.end()),
              vf::Bytes(bytes->begin() + 55, bytes->end()));
}

TEST_P(SendToSim, RefusalsEndWithTheirResults)
{
    const vf::VarEntry a{0x00, Named({'A'}), Pattern(9, 1)};
    writeFile("RealA" + ext('n'), {a}, memoryDir());
    // Skipped by the calculator's user: the dialog closes as after a success.
    {
        config.duplicate = vexil::link::calcsim::DuplicateRule::Skip;
        startSim();
        EXPECT_EQ(SendVariableFile(link, view, writeFile("a" + ext('n'), {a})),
                  TransferResult::RefusedSkip);
        EXPECT_EQ(host.statuses.back(), "Refused...");
        // The calculator is back at its menu and takes the next file at once.
        const vf::VarEntry b{0x00, Named({'B'}), Pattern(9, 2)};
        EXPECT_EQ(SendVariableFile(link, view, writeFile("b" + ext('n'), {b})), TransferResult::Ok);
        expectHeld(b);
    }
}

TEST_P(SendToSim, MemoryFullAndExit)
{
    const vf::VarEntry a{0x00, Named({'A'}), Pattern(9, 1)};
    writeFile("RealA" + ext('n'), {a}, memoryDir());
    config.duplicate = vexil::link::calcsim::DuplicateRule::Exit;
    config.freeBytes = 100;
    startSim();
    EXPECT_EQ(SendVariableFile(link, view, writeFile("a" + ext('n'), {a})),
              TransferResult::RefusedExit);
    const vf::VarEntry big{0x05, Named({'B', 'I', 'G'}), Sized(Pattern(400, 1))};
    EXPECT_EQ(SendVariableFile(link, view, writeFile("big" + ext('p'), {big})),
              TransferResult::MemoryFull);
    EXPECT_EQ(held(big), nullptr);
}

TEST_P(SendToSim, StopButtonMidSendEndsWithCancelled)
{
    startSim();
    const vf::VarEntry big{0x05, Named({'L', 'O', 'N', 'G'}), Sized(Pattern(3000, 1))};
    const auto file = writeFile("long" + ext('p'), {big});
    onPump = [this] {
        if (host.gaugePosition > 100) {
            link.Cancel();
        }
    };
    EXPECT_EQ(SendVariableFile(link, view, file), TransferResult::Cancelled);
    EXPECT_EQ(held(big), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Models, SendToSim,
                         ::testing::Values(vexil::link::calcsim::SimModel::TI82,
                                           vexil::link::calcsim::SimModel::TI83));
