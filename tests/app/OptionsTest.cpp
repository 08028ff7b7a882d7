// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Options.h"
#include "app/OptionsFile.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;
using namespace vexil::app;

namespace {

using vexil::testing::ReadBytes;
using vexil::testing::WriteBytes;

class OptionsFileTest : public ::testing::Test {
protected:
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir = scratch_.path();
};

} // namespace

TEST(Options, DefaultRecordHasTheDocumentedBytes)
{
    const OptionsBytes bytes = EncodeOptions(DefaultOptions());
    std::array<std::uint8_t, kOptionsSize> expected{};
    expected[8] = 2;  // LinkPort LPT1
    expected[12] = 1; // InsertHeader
    expected[16] = 1; // OutputListing
    expected[20] = 1; // IgnoreCase
    expected[21] = 1; // CheckIllegal
    expected[23] = 1; // CheckDuplicate
    expected[24] = 1; // CheckNonUnary
    const std::string font = "Courier New";
    expected[26] = static_cast<std::uint8_t>(font.size());
    std::copy(font.begin(), font.end(), expected.begin() + 27);
    expected[284] = 10; // FontSize
    EXPECT_EQ(bytes, expected);
}

TEST(Options, FieldsRoundTripAtTheirOffsets)
{
    Options o;
    o.ti83Mode = true;
    o.linkType = 1;
    o.linkPort = 0x01020304;
    o.bugDelay = true;
    o.fontName = "DejaVu Sans Mono";
    o.fontStyle = kFontBold | kFontItalic;
    o.fontSize = 12;
    o.recentFiles = {"/a/one.asm", "/b/two.inc", "", "/d/four.txt"};
    o.shell82 = 1;
    o.shell83 = 1;
    o.reserved14 = 7;
    const OptionsBytes bytes = EncodeOptions(o);

    // Little-endian 32-bit fields.
    EXPECT_EQ(bytes[8], 0x04);
    EXPECT_EQ(bytes[11], 0x01);
    // Recent file 4 lives in the fourth 256-byte slot.
    EXPECT_EQ(bytes[288 + 3 * 256], 11);
    EXPECT_EQ(bytes[288 + 3 * 256 + 1], '/');
    EXPECT_EQ(bytes[1312], 1);
    EXPECT_EQ(bytes[1316], 1);
    EXPECT_EQ(bytes[282], 3);

    const auto decoded = DecodeOptions(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, o);
}

TEST(Options, ShortBufferIsRejectedAndLongNamesAreCut)
{
    const OptionsBytes bytes = EncodeOptions(DefaultOptions());
    EXPECT_FALSE(DecodeOptions(std::span(bytes).first(kOptionsSize - 1)).has_value());

    // A long ASCII name is cut to 255 bytes.
    EXPECT_EQ(CutToShortString(std::string(300, 'x')).size(), 255u);
    // A cut never splits a two-byte character: 127 x "é" is 254 bytes, then one more.
    std::string accented;
    for (int i = 0; i < 130; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_EQ(CutToShortString(accented).size(), 254u);
}

TEST(Options, ModeAndShellSelectTheTarget)
{
    using vexil::assemble::ShellTarget;
    Options o;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::Ash);
    o.shell82 = 1;
    o.shell83 = 1;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::CrASH);
    o.ti83Mode = true;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::AShell83);
    o.shell83 = 0;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::TI83);
    // A damaged value falls back to the first shell of the model.
    o.shell83 = 77;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::TI83);
    o.ti83Mode = false;
    o.shell82 = 7;
    EXPECT_EQ(SelectedTarget(o), ShellTarget::Ash);
    // Normalising writes down what the target already read.
    NormalizeShells(o);
    EXPECT_EQ(o.shell82, 0u);
    EXPECT_EQ(o.shell83, 0u);

    // Choosing a target switches the mode and keeps the other model's shell.
    Options chosen;
    chosen.shell82 = 1;
    SelectTarget(chosen, ShellTarget::AShell83);
    EXPECT_TRUE(chosen.ti83Mode);
    EXPECT_EQ(chosen.shell83, 1u);
    EXPECT_EQ(chosen.shell82, 1u);
    for (ShellTarget target : vexil::assemble::kShellTargets) {
        SelectTarget(chosen, target);
        EXPECT_EQ(SelectedTarget(chosen), target);
    }
}

TEST_F(OptionsFileTest, MissingFileIsCreatedWithDefaults)
{
    const OptionsLoadResult result = LoadOptionsFile(dir);
    EXPECT_EQ(result.outcome, OptionsLoadOutcome::Created);
    EXPECT_EQ(result.options, DefaultOptions());
    const auto bytes = ReadBytes(dir / "Vexil.opt");
    const OptionsBytes expected = EncodeOptions(DefaultOptions());
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST_F(OptionsFileTest, ShortFileIsRewrittenWithDefaults)
{
    WriteBytes(dir / "Vexil.opt", std::vector<std::uint8_t>(1319, 1));
    const OptionsLoadResult result = LoadOptionsFile(dir);
    EXPECT_EQ(result.outcome, OptionsLoadOutcome::Corrupted);
    EXPECT_EQ(result.options, DefaultOptions());
    EXPECT_EQ(ReadBytes(dir / "Vexil.opt").size(), kOptionsSize);
    EXPECT_EQ(LoadOptionsFile(dir).outcome, OptionsLoadOutcome::Read);
}

TEST_F(OptionsFileTest, SavedRecordIsReadBack)
{
    Options o;
    o.ti83Mode = true;
    o.recentFiles[0] = "/home/user/game.asm";
    ASSERT_EQ(SaveOptionsFile(dir, o), "");
    const OptionsLoadResult result = LoadOptionsFile(dir);
    EXPECT_EQ(result.outcome, OptionsLoadOutcome::Read);
    EXPECT_EQ(result.options, o);
}

TEST_F(OptionsFileTest, SomethingElseInTheFilesPlaceIsLeftAlone)
{
    // A folder cannot take the record; the failure is reported.
    fs::create_directories(dir / "Vexil.opt" / "inner");
    EXPECT_NE(SaveOptionsFile(dir, DefaultOptions()), "");
    EXPECT_TRUE(fs::is_directory(dir / "Vexil.opt" / "inner"));

    // A pipe is neither read (nothing would ever come) nor replaced.
    fs::remove_all(dir / "Vexil.opt");
    ASSERT_EQ(::mkfifo((dir / "Vexil.opt").c_str(), 0600), 0);
    const OptionsLoadResult result = LoadOptionsFile(dir);
    EXPECT_EQ(result.options, DefaultOptions());
    EXPECT_NE(result.writeError, "");
    EXPECT_TRUE(fs::is_fifo(dir / "Vexil.opt"));
}
