// SPDX-License-Identifier: GPL-3.0-or-later
// Receiving what the simulated calculator sends from its link menu: the files
// must be byte for byte the received-variable layout, read cleanly by the TI
// file library, and written whole or not at all, inside the chosen folder.
#include "SimFixture.h"
#include "base/FileIo.h"
#include "link/ReceiveName.h"
#include "link/transfer/ReceiveVariables.h"

// The library's C headers use the C99 keyword, which C++ spells differently.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <cstring>

using namespace vexil::link;
using namespace vexil::link::test;
using namespace vexil::link::transfer;
namespace vf = vexil::varfile;
namespace fs = std::filesystem;

namespace {

vf::VarName Named(std::initializer_list<uint8_t> bytes)
{
    vf::VarName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

const vf::VarEntry kRealA{
    0x00, Named({'A'}), {0x00, 0x80, 0x12, 0x56, 0x34, 0x78, 0x85, 0x25, 0x55}};
const vf::VarEntry kTheta{
    0x00, Named({0x5B}), {0x80, 0x81, 0x31, 0x41, 0x59, 0x26, 0x53, 0x58, 0x97}};
const vf::VarEntry kHello{0x05, Named({'H', 'E', 'L', 'L', 'O'}), {0x03, 0x00, 0xDE, 0x2A, 0x48}};

class ReceiveFromSim : public SimFixture {
protected:
    static void SetUpTestSuite() { tifiles_library_init(); }
    static void TearDownTestSuite() { tifiles_library_exit(); }

    TransferResult receive()
    {
        return ReceiveVariables(link, view, pcDir(), [](auto header, const fs::path &folder) {
            return MakeReceiveName(header, folder);
        });
    }
    // What a received variable's file holds, byte for byte.
    vf::Bytes expectedFile(const vf::VarEntry &entry)
    {
        return *vf::BuildVarFile(model(), vf::WriterComment(vf::CommentWriter::Received), {entry});
    }
    void expectReadByLibrary(const fs::path &path, const vf::VarEntry &entry)
    {
        SCOPED_TRACE(path.string());
        const ::CalcModel calc = ti82() ? CALC_TI82 : CALC_TI83;
        ::FileContent *content = tifiles_content_create_regular(calc);
        ASSERT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);
        EXPECT_EQ(content->checksum, content->stored_checksum);
        ASSERT_EQ(content->num_entries, 1);
        EXPECT_EQ(content->entries[0]->type, entry.typeId);
        EXPECT_EQ(vf::Bytes(content->entries[0]->data,
                            content->entries[0]->data + content->entries[0]->size),
                  entry.data);
        tifiles_content_delete_regular(content);
    }
    std::vector<std::string> filesIn(const fs::path &folder)
    {
        std::vector<std::string> names;
        for (const auto &item : fs::directory_iterator(folder)) {
            names.push_back(item.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

} // namespace

TEST_P(ReceiveFromSim, ThreeVariablesInOneReceive)
{
    writeFile("three" + ext('g'), {kRealA, kTheta, kHello}, memoryDir());
    startSim({"three" + ext('g')});
    link.MachineId = 0x55;
    ASSERT_EQ(receive(), TransferResult::Ok);
    EXPECT_EQ(link.MachineId, ti82() ? 0x02 : 0x03);
    const std::pair<std::string, vf::VarEntry> files[] = {{"RealA" + ext('n'), kRealA},
                                                          {"RealTHET" + ext('n'), kTheta},
                                                          {"HELLO" + ext('p'), kHello}};
    for (const auto &[name, entry] : files) {
        EXPECT_EQ(readBytes(pcDir() / name), expectedFile(entry)) << name;
        expectReadByLibrary(pcDir() / name, entry);
    }
    EXPECT_EQ(host.statuses.front(), "Waiting...");
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(),
                        "Receiving RealTHET" + ext('n') + "..."),
              host.statuses.end());
}

TEST_P(ReceiveFromSim, EmptyVariableGivesTheSmallestFile)
{
    const vf::VarEntry empty{0x05, Named({'E'}), {}};
    writeFile("e" + ext('p'), {empty}, memoryDir());
    startSim({"e" + ext('p')});
    ASSERT_EQ(receive(), TransferResult::Ok);
    const auto bytes = readBytes(pcDir() / ("E" + ext('p')));
    ASSERT_EQ(bytes.size(), 72u);
    EXPECT_EQ(bytes[53] | bytes[54] << 8, 15);
}

TEST_P(ReceiveFromSim, BackupIsReceivedByteForByte)
{
    // The calculator's own backup, as it would send it, made from its memory.
    writeFile("p" + ext('p'), {kHello}, memoryDir());
    vexil::link::calcsim::SimMemory memory(memoryDir(), GetParam(), 24000);
    memory.load();
    const auto backup = memory.makeBackup();
    ASSERT_FALSE(memory.storeBackup(backup).empty());
    startSim({"Backup" + ext('b')});
    ASSERT_EQ(receive(), TransferResult::Ok);

    vf::Bytes section{9, 0};
    section.insert(section.end(), backup.header.begin(), backup.header.end());
    for (const auto &part : backup.parts) {
        section.push_back(static_cast<uint8_t>(part.size()));
        section.push_back(static_cast<uint8_t>(part.size() >> 8));
        section.insert(section.end(), part.begin(), part.end());
    }
    const auto path = pcDir() / ("Backup" + ext('b'));
    EXPECT_EQ(readBytes(path),
              *vf::BuildVarFileFromSection(model(), vf::WriterComment(vf::CommentWriter::Received),
                                           section));
    ::BackupContent *content = tifiles_content_create_backup(ti82() ? CALC_TI82 : CALC_TI83);
    ASSERT_EQ(tifiles_file_read_backup(path.c_str(), content), 0);
    EXPECT_EQ(content->checksum, content->stored_checksum);
    EXPECT_EQ(content->data_length2, backup.parts[1].size());
    EXPECT_EQ(std::memcmp(content->data_part2, backup.parts[1].data(), backup.parts[1].size()), 0);
    tifiles_content_delete_backup(content);
}

TEST_P(ReceiveFromSim, ExistingFilesFollowTheUsersChoice)
{
    const vf::VarEntry b{0x00, Named({'B'}), kTheta.data};
    const vf::VarEntry c{0x00, Named({'C'}), kTheta.data};
    writeFile("four" + ext('g'), {kRealA, b, c, kHello}, memoryDir());
    const vf::Bytes old{1, 2, 3};
    for (const char *name : {"RealA", "RealB", "RealC"}) {
        ASSERT_FALSE(vexil::base::WriteFileAtomically(pcDir() / (name + ext('n')), old));
    }
    // A omitted: the calculator goes on with B, which is not offered twice.
    // B renamed to a bare name: stored in the receiving folder.
    // C overwritten.
    view.answers = {{ExistsChoice::Omit, {}},
                    {ExistsChoice::Rename, "other" + ext('n')},
                    {ExistsChoice::Overwrite, {}}};
    startSim({"four" + ext('g')});
    ASSERT_EQ(receive(), TransferResult::Ok);
    ASSERT_EQ(view.questions.size(), 3u);
    EXPECT_EQ(view.questions[0], "The file, " + (pcDir() / ("RealA" + ext('n'))).string() +
                                     ", already exists.  What would you like to do?");
    EXPECT_EQ(readBytes(pcDir() / ("RealA" + ext('n'))), old);
    EXPECT_EQ(readBytes(pcDir() / ("RealB" + ext('n'))), old);
    EXPECT_EQ(readBytes(pcDir() / ("other" + ext('n'))), expectedFile(b));
    EXPECT_EQ(readBytes(pcDir() / ("RealC" + ext('n'))), expectedFile(c));
    EXPECT_EQ(readBytes(pcDir() / ("HELLO" + ext('p'))), expectedFile(kHello));
}

TEST_P(ReceiveFromSim, QuitEndsTheReceive)
{
    writeFile("two" + ext('g'), {kRealA, kHello}, memoryDir());
    ASSERT_FALSE(vexil::base::WriteFileAtomically(pcDir() / ("RealA" + ext('n')), vf::Bytes{9}));
    view.answers = {{ExistsChoice::Quit, {}}};
    startSim({"two" + ext('g')});
    EXPECT_EQ(receive(), TransferResult::Ok);
    EXPECT_FALSE(fs::exists(pcDir() / ("HELLO" + ext('p'))));
}

TEST_P(ReceiveFromSim, NamesFromTheCableStayInTheFolder)
{
    const vf::VarEntry evil{0x05, Named({'.', '.', '/', 'x', 0x01, 0xE0}), {0x01, 0x00, 0x3F}};
    writeFile("evil" + ext('p'), {evil}, memoryDir());
    startSim({"evil" + ext('p')});
    ASSERT_EQ(receive(), TransferResult::Ok);
    EXPECT_EQ(filesIn(pcDir()), std::vector<std::string>{"___x__" + ext('p')});
    EXPECT_FALSE(fs::exists(pcDir().parent_path() / ("x" + ext('p'))));
}

TEST_P(ReceiveFromSim, StoppedReceiveLeavesNoPartialFile)
{
    vf::Bytes big(4002, 0x41);
    big[0] = 0xA0;
    big[1] = 0x0F;
    const vf::VarEntry prog{0x05, Named({'B', 'I', 'G'}), big};
    writeFile("big" + ext('p'), {prog}, memoryDir());
    const vf::Bytes old{7, 7, 7};
    const auto target = pcDir() / ("BIG" + ext('p'));
    ASSERT_FALSE(vexil::base::WriteFileAtomically(target, old));
    view.answers = {{ExistsChoice::Overwrite, {}}};
    // The stop button, pressed while the data comes in.
    onPump = [this] {
        if (host.statuses.size() > 1 && host.pumps % 2000 == 0) {
            link.Cancel();
        }
    };
    startSim({"big" + ext('p')});
    EXPECT_EQ(receive(), TransferResult::Cancelled);
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(filesIn(pcDir()), std::vector<std::string>{"BIG" + ext('p')});
}

TEST_P(ReceiveFromSim, ALinkPlantedUnderTheNameIsReplacedNeverWrittenThrough)
{
    // Two links under the names the variables will get: one to a file outside
    // the folder, one to a name that does not exist yet.
    writeFile("two" + ext('g'), {kRealA, kHello}, memoryDir());
    const fs::path outside = pcDir().parent_path() / "outside";
    const vf::Bytes precious{1, 2, 3};
    ASSERT_FALSE(vexil::base::WriteFileAtomically(outside, precious));
    const fs::path nowhere = pcDir().parent_path() / "nowhere";
    fs::create_symlink(outside, pcDir() / ("RealA" + ext('n')));
    fs::create_symlink(nowhere, pcDir() / ("HELLO" + ext('p')));
    // Both count as existing files; the user overwrites both.
    view.answers = {{ExistsChoice::Overwrite, {}}, {ExistsChoice::Overwrite, {}}};
    startSim({"two" + ext('g')});
    ASSERT_EQ(receive(), TransferResult::Ok);
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(readBytes(outside), precious);
    EXPECT_FALSE(fs::exists(nowhere));
    for (const auto &[name, entry] :
         {std::pair{"RealA" + ext('n'), kRealA}, std::pair{"HELLO" + ext('p'), kHello}}) {
        EXPECT_FALSE(fs::is_symlink(pcDir() / name)) << name;
        EXPECT_EQ(readBytes(pcDir() / name), expectedFile(entry)) << name;
    }
    EXPECT_EQ(filesIn(pcDir()), (std::vector<std::string>{"HELLO" + ext('p'), "RealA" + ext('n')}));
}

TEST_P(ReceiveFromSim, WhatIsNotAFileUnderTheNameIsLeftAlone)
{
    writeFile("a" + ext('n'), {kRealA}, memoryDir());
    fs::create_directory(pcDir() / ("RealA" + ext('n')));
    view.answers = {{ExistsChoice::Overwrite, {}}};
    startSim({"a" + ext('n')});
    EXPECT_THROW(receive(), FileError);
    EXPECT_TRUE(fs::is_directory(pcDir() / ("RealA" + ext('n'))));
    EXPECT_EQ(filesIn(pcDir()), std::vector<std::string>{"RealA" + ext('n')});
}

INSTANTIATE_TEST_SUITE_P(Models, ReceiveFromSim,
                         ::testing::Values(vexil::link::calcsim::SimModel::TI82,
                                           vexil::link::calcsim::SimModel::TI83));
