// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli checksum: what it reports, what --fix writes and the exit codes.
#include "CliRun.h"

#include "base/FileIo.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

namespace vexil::cli::test {
namespace {

namespace vf = varfile;

// A real variable file whose checksum, 0x00EE, is replaced by `stored`.
std::string WriteReal(const ScratchFolder &folder, const std::string &name, uint16_t stored)
{
    const vf::VarEntry real{0x00, {'A'}, vf::Bytes(9, 0x10)};
    vf::Bytes file = *vf::BuildVarFile(vf::CalcModel::TI82, vf::MakeComment(""), {real});
    file[file.size() - 2] = static_cast<uint8_t>(stored & 0xFF);
    file[file.size() - 1] = static_cast<uint8_t>(stored >> 8);
    EXPECT_FALSE(vexil::base::WriteFileAtomically(folder / name, file));
    return (folder / name).string();
}

TEST(CliChecksum, ReportsAndFixes)
{
    ScratchFolder folder;
    const std::string good = WriteReal(folder, "good.82n", 0x00EE);
    const std::string bad = WriteReal(folder, "bad.82n", 0xBEEF);

    CliOutput run = RunCli({"checksum", good});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, good + ": stored 00EE, computed 00EE, correct\n");

    run = RunCli({"checksum", bad, good});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, bad + ": stored BEEF, computed 00EE, wrong\n" + good +
                           ": stored 00EE, computed 00EE, correct\n");

    run = RunCli({"checksum", "--fix", bad, good});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, bad + ": stored BEEF, computed 00EE, fixed\n" + good +
                           ": stored 00EE, computed 00EE, correct\n");
    EXPECT_EQ(vexil::base::ReadWholeFile(bad).bytes, vexil::base::ReadWholeFile(good).bytes);
}

TEST(CliChecksum, FilesThatCannotBeReadOrFixedFailButTheRestAreDone)
{
    ScratchFolder folder;
    const std::string bad = WriteReal(folder, "bad.82n", 0);
    ASSERT_FALSE(vexil::base::WriteFileAtomically(folder / "tiny", vf::Bytes{1}));
    const std::string missing = (folder / "missing.82n").string();

    CliOutput run = RunCli({"checksum", "--fix", missing, (folder / "tiny").string(), bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("missing.82n"), std::string::npos);
    EXPECT_NE(run.err.find("tiny is too short to hold a checksum"), std::string::npos);
    EXPECT_EQ(run.out, bad + ": stored 0000, computed 00EE, fixed\n");
    EXPECT_EQ(RunCli({"checksum", bad}).exitCode, 0);
    EXPECT_EQ(RunCli({"checksum"}).exitCode, 2);
    EXPECT_EQ(RunCli({"checksum", "--fixed", bad}).exitCode, 2);
}

} // namespace
} // namespace vexil::cli::test
