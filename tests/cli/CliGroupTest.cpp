// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli group: the Group Editor's listing, add rules and extraction for scripts.
#include "CliRun.h"

#include "base/FileIo.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

namespace vexil::cli::test {
namespace {

using varfile::Bytes;
using varfile::CalcModel;
namespace fs = std::filesystem;

Bytes Entry(std::uint8_t typeId, varfile::VarName name, Bytes data)
{
    return varfile::SerializeVarEntry({typeId, name, std::move(data)});
}

Bytes File(CalcModel model, std::initializer_list<Bytes> entries,
           varfile::CommentWriter writer = varfile::CommentWriter::Group)
{
    Bytes section;
    for (const Bytes &entry : entries) {
        section.insert(section.end(), entry.begin(), entry.end());
    }
    return *varfile::BuildVarFileFromSection(model, varfile::WriterComment(writer), section);
}

const Bytes kReal = Entry(0x00, {0x5B}, Bytes(9, 0));
const Bytes kList = Entry(0x01, {0x5D, 0x00}, {0x00, 0x00});
const Bytes kPic = Entry(0x07, {0x60, 0x09}, Bytes(758, 0x81));
const Bytes kEquation = Entry(0x03, {0x5E, 0x10}, {0x01, 0x00, 0x58});
const Bytes kMatrix = Entry(0x02, {0x5C, 0x00}, {0x00, 0x00});
const Bytes kTabName = Entry(0x05, {'A', '\t', '/'}, {0x00, 0x00});

class CliGroup : public ::testing::Test {
protected:
    std::string write(const std::string &name, const Bytes &bytes)
    {
        EXPECT_FALSE(base::WriteFileAtomically(folder / name, bytes));
        return (folder / name).string();
    }
    Bytes read(const fs::path &path) { return base::ReadWholeFile(path).bytes; }

    ScratchFolder folder;
};

TEST_F(CliGroup, ListShowsTypeAndNameAsTheWindowDoes)
{
    const std::string group =
        write("all.83g", File(CalcModel::TI83, {kReal, kList, kMatrix, kEquation, kPic, kTabName}));
    const CliOutput run = RunCli({"group", "list", group});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "REAL\tθ\nLIST\tL1\nMATRX\t[A]\nEQU\tY1\nPIC\tPic0\nPRGM\tA{09}/\n");

    // A damaged group lists its whole entries and fails.
    Bytes cut = File(CalcModel::TI82, {kReal, kList});
    cut.erase(cut.end() - 4, cut.end() - 2);
    const CliOutput damaged = RunCli({"group", "list", write("cut.82g", cut)});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.out, "REAL\tθ\n");
    EXPECT_NE(damaged.err.find("Error reading group file."), std::string::npos) << damaged.err;
    EXPECT_EQ(RunCli({"group", "list", (folder / "missing.83g").string()}).exitCode, 1);
}

TEST_F(CliGroup, PackFollowsTheAddRulesAndWritesNothingOnARefusal)
{
    const std::string two = write("two.83n", File(CalcModel::TI83, {kReal, kList}));
    const std::string pic = write("Pic0.83i", File(CalcModel::TI83, {kPic}));
    const std::string ti82 = write("A.82n", File(CalcModel::TI82, {kReal}));
    const std::string group = write("other.83G", File(CalcModel::TI83, {kReal}));
    const fs::path out = folder / "out.83g";

    CliOutput run =
        RunCli({"group", "pack", "--model", "83", two, ti82, pic, group, "-o", out.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot add " + ti82 +
                           ".  This file is not a TI-83 file.\n"
                           "Cannot add a group or a backup to a group file.\n");
    EXPECT_FALSE(fs::exists(out));

    run = RunCli({"group", "pack", "--model", "83", two, pic, "-o", out.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read(out), File(CalcModel::TI83, {kReal, kList, kPic}));
    EXPECT_EQ(RunCli({"group", "list", out.string()}).out, "REAL\tθ\nLIST\tL1\nPIC\tPic0\n");
    EXPECT_EQ(RunCli({"group", "pack", "--model", "84", two, "-o", out.string()}).exitCode, 2);
}

TEST_F(CliGroup, UnpackSkipsExistingFilesUnlessTold)
{
    const std::string group = write("g.82g", File(CalcModel::TI82, {kReal, kPic, kTabName}));
    const fs::path dir = folder / "out";
    fs::create_directory(dir);
    CliOutput run = RunCli({"group", "unpack", group, "-d", dir.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, (dir / "RealTHET.82n").string() + "\n" + (dir / "Pic0.82i").string() + "\n" +
                           (dir / "A__.82p").string() + "\n");
    EXPECT_EQ(read(dir / "Pic0.82i"),
              File(CalcModel::TI82, {kPic}, varfile::CommentWriter::GroupExtract));

    ASSERT_FALSE(base::WriteFileAtomically(dir / "Pic0.82i", Bytes{0x01}));
    run = RunCli({"group", "unpack", group, "-d", dir.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find((dir / "RealTHET.82n").string() + " already exists"), std::string::npos);
    EXPECT_EQ(read(dir / "Pic0.82i"), Bytes{0x01});

    run = RunCli({"group", "unpack", group, "-d", dir.string(), "--overwrite"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read(dir / "Pic0.82i").size(), 72u + 758u);
    EXPECT_EQ(RunCli({"group", "unpack", group, "-d", (folder / "none").string()}).exitCode, 1);
}

TEST_F(CliGroup, UnpackReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    // The names come from the group file, so whoever made it knows them in advance.
    const std::string group = write("g.82g", File(CalcModel::TI82, {kPic}));
    const fs::path dir = folder / "shared";
    fs::create_directory(dir);
    const fs::path victim = folder / "notes.txt";
    ASSERT_FALSE(base::WriteFileAtomically(victim, std::string_view("my notes\n")));
    fs::create_symlink(victim, dir / "Pic0.82i");

    const CliOutput run = RunCli({"group", "unpack", group, "-d", dir.string(), "--overwrite"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read(victim), (Bytes{'m', 'y', ' ', 'n', 'o', 't', 'e', 's', '\n'}));
    EXPECT_FALSE(fs::is_symlink(dir / "Pic0.82i"));
    EXPECT_EQ(read(dir / "Pic0.82i"),
              File(CalcModel::TI82, {kPic}, varfile::CommentWriter::GroupExtract));
}

} // namespace
} // namespace vexil::cli::test
