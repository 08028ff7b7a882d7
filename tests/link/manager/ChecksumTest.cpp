// SPDX-License-Identifier: GPL-3.0-or-later
// The checksum rule (offset 55 up to the last two bytes, 0 for short files) and
// its repair on disk.
#include "link/manager/Checksum.h"

#include "ScratchDir.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

using namespace vexil::link::manager;
namespace vf = vexil::varfile;

namespace {

using ChecksumFile = test::ScratchDir;

vf::Bytes RealFile()
{
    const vf::VarEntry real{0x00, {'A'}, vf::Bytes(9, 0xFE)};
    return *vf::BuildVarFile(vf::CalcModel::TI82, vf::MakeComment(""), {real});
}

} // namespace

TEST(ChecksumRule, SumsFromTheFirstEntryToTheChecksumAndWraps)
{
    vf::Bytes file = RealFile();
    const auto reading = ReadChecksum(file);
    ASSERT_TRUE(reading);
    EXPECT_TRUE(reading->correct());
    // 300 bytes of 0xFF sum past 0xFFFF and wrap.
    vf::Bytes big(55, 0x20);
    big.insert(big.end(), 300, 0xFF);
    big.push_back(0x12);
    big.push_back(0x34);
    EXPECT_EQ(ReadChecksum(big)->computed, static_cast<uint16_t>(300 * 0xFF));
    EXPECT_EQ(ReadChecksum(big)->stored, 0x3412);
    // The header and the stored checksum are not summed.
    file[10] ^= 0xFF;
    file[file.size() - 1] ^= 0xFF;
    EXPECT_EQ(ReadChecksum(file)->computed, reading->computed);
    EXPECT_FALSE(ReadChecksum(file)->correct());
}

TEST(ChecksumRule, ShortFilesSumToZeroAndTinyOnesHaveNone)
{
    EXPECT_EQ(ReadChecksum(vf::Bytes(56, 0x77))->computed, 0);
    EXPECT_EQ(ReadChecksum(vf::Bytes(57, 0x01))->computed, 0);
    EXPECT_EQ(ReadChecksum(vf::Bytes(58, 0x01))->computed, 1); // offset 55 alone
    EXPECT_EQ(ReadChecksum(vf::Bytes(2, 0x01))->stored, 0x0101);
    EXPECT_FALSE(ReadChecksum(vf::Bytes(1, 0x01)));
    EXPECT_FALSE(ReadChecksum(vf::Bytes{}));
}

TEST_F(ChecksumFile, FixWritesTheSumOverTheLastTwoBytesAndIsStable)
{
    vf::Bytes broken = RealFile();
    const vf::Bytes good = broken;
    broken[broken.size() - 2] = 0;
    broken[broken.size() - 1] = 0;
    const auto path = put("A.82n", broken);
    const ChecksumFix first = FixChecksumFile(path);
    ASSERT_TRUE(first.fixed());
    EXPECT_EQ(first.reading->stored, 0);
    EXPECT_EQ(text("A.82n"), std::string(good.begin(), good.end()));
    const ChecksumFix second = FixChecksumFile(path);
    ASSERT_TRUE(second.fixed());
    EXPECT_TRUE(second.reading->correct());
    EXPECT_EQ(text("A.82n"), std::string(good.begin(), good.end()));
}

TEST_F(ChecksumFile, FilesThatCannotBeFixedAreLeftAsTheyAre)
{
    const ChecksumFix missing = FixChecksumFile(dir_ / "gone.82p");
    EXPECT_FALSE(missing.fixed());
    EXPECT_NE(missing.error->message.find("gone.82p"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "gone.82p"));

    put("one.82p", "x");
    EXPECT_FALSE(FixChecksumFile(dir_ / "one.82p").fixed());
    EXPECT_EQ(text("one.82p"), "x");

    std::filesystem::create_directory(dir_ / "folder.82p");
    EXPECT_FALSE(FixChecksumFile(dir_ / "folder.82p").fixed());

    // Only calculator files of the same layout have their last two bytes replaced.
    const std::string notes = "A text file chosen under All Files, seventy bytes or so long.";
    put("notes.txt", notes);
    const ChecksumFix text = FixChecksumFile(dir_ / "notes.txt");
    ASSERT_FALSE(text.fixed());
    EXPECT_EQ(text.error->message, (dir_ / "notes.txt").string() +
                                       " is not a TI-82 or TI-83 file; its checksum is left alone");
    EXPECT_EQ(this->text("notes.txt"), notes);
    vf::Bytes other = RealFile();
    std::copy_n("**TI86**", 8, other.begin());
    other.back() ^= 0xFF;
    put("A.86n", other);
    EXPECT_FALSE(FixChecksumFile(dir_ / "A.86n").fixed());
    EXPECT_EQ(this->text("A.86n"), std::string(other.begin(), other.end()));
}

TEST_F(ChecksumFile, TheSignatureMayBeDamagedOrOfTheTI83Plus)
{
    for (const char *signature : {"**TI83F*", "**TX82**"}) {
        vf::Bytes file = RealFile();
        std::copy_n(signature, 8, file.begin());
        const vf::Bytes good = file;
        file.back() ^= 0xFF;
        put("A.8xn", file);
        EXPECT_TRUE(FixChecksumFile(dir_ / "A.8xn").fixed()) << signature;
        EXPECT_EQ(text("A.8xn"), std::string(good.begin(), good.end())) << signature;
    }
}

TEST(ChecksumTexts, OneFileOrSeveral)
{
    EXPECT_EQ(ChecksumsUpdatedMessage(1), "Checksum has been updated.");
    EXPECT_EQ(ChecksumsUpdatedMessage(3), "Checksums in 3 files have been updated.");
}
