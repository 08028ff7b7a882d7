// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli send and receive against the simulated calculator on a virtual
// cable, and the messages for a cable that is missing or cannot be opened.
#include "CliRun.h"

#include "base/FileIo.h"
#include "link/LinkDevice.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "tools/ImageDecode.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace vexil::cli::test {
namespace {

namespace fs = std::filesystem;
using varfile::Bytes;

class CliCable : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder / "memory");
        fs::create_directories(folder / "pc");
        config.model = link::calcsim::SimModel::TI82;
        config.cablePath = cable();
        config.memoryDir = folder / "memory";
    }
    void TearDown() override { calculator_.stop(); }
    std::string cable() const { return link::VirtualCablePath(folder.path()).string(); }
    void startCalculator(std::vector<std::string> toSend = {})
    {
        calculator_.start(config, std::move(toSend));
    }
    fs::path write(const fs::path &path, const varfile::VarEntry &entry)
    {
        const auto bytes =
            varfile::BuildVarFile(varfile::CalcModel::TI82,
                                  varfile::WriterComment(varfile::CommentWriter::Group), {entry});
        EXPECT_FALSE(base::WriteFileAtomically(path, *bytes));
        return path;
    }

    const ScratchFolder folder;
    link::calcsim::SimConfig config;
    link::test::SimOnCable calculator_;
};

const varfile::VarEntry kProgram{0x05, {'H', 'I'}, {0x02, 0x00, 0xDE, 0x2A}};
const varfile::VarEntry kReal{0x00, {'A'}, Bytes{0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0}};

TEST_F(CliCable, SendsFilesAndReceivesVariables)
{
    startCalculator();
    const fs::path program = write(folder / "pc" / "HI.82p", kProgram);
    const fs::path real = write(folder / "pc" / "A.82n", kReal);
    const fs::path other = write(folder / "pc" / "HO.82p", {0x05, {'H', 'O'}, kProgram.data});

    // One file, then a list of two; the last line is the result message.
    CliOutput run = RunCli({"send", program.string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Sending HI.82p..."), std::string::npos) << run.out;
    const auto *held = calculator_->memory().find(0x05, {'H', 'I'});
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->data, kProgram.data);
    run = RunCli({"send", real.string(), other.string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(calculator_->memory().find(0x00, {'A'}), nullptr);
    EXPECT_NE(calculator_->memory().find(0x05, {'H', 'O'}), nullptr);

    // The same name again: the calculator skips it, and the result says so.
    run = RunCli({"send", program.string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The calculator skipped the variable.\n");
}

TEST_F(CliCable, ReceivesWhatTheCalculatorSends)
{
    write(folder / "memory" / "HI.82p", kProgram);
    startCalculator({"HI.82p"});
    const CliOutput run = RunCli({"receive", (folder / "pc").string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const base::ReadResult read = base::ReadWholeFile(folder / "pc" / "HI.82p");
    ASSERT_TRUE(read.ok());
    const varfile::VarFileContents contents = varfile::ParseVarFile(read.bytes);
    EXPECT_TRUE(contents.intact());
    ASSERT_EQ(contents.entries.size(), 1u);
    EXPECT_EQ(contents.entries[0].data, kProgram.data);
}

TEST_F(CliCable, OverwriteReplacesAPlantedLinkInsteadOfWritingThroughIt)
{
    write(folder / "memory" / "HI.82p", kProgram);
    const fs::path outside = folder / "outside.txt";
    {
        std::ofstream(outside) << "keep me";
    }
    fs::create_symlink(outside, folder / "pc" / "HI.82p");
    startCalculator({"HI.82p"});
    const CliOutput run =
        RunCli({"receive", (folder / "pc").string(), "--cable", cable(), "--exists", "overwrite"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(outside);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    EXPECT_FALSE(fs::is_symlink(folder / "pc" / "HI.82p"));
    const base::ReadResult read = base::ReadWholeFile(folder / "pc" / "HI.82p");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(varfile::ParseVarFile(read.bytes).entries.at(0).data, kProgram.data);
}

TEST_F(CliCable, CablesThatAreMissingOrCannotOpen)
{
    const fs::path program = write(folder / "pc" / "HI.82p", kProgram);
    // No --cable, or one that names no device: usage errors.
    EXPECT_EQ(RunCli({"send", program.string()}).exitCode, 2);
    CliOutput run = RunCli({"send", program.string(), "--cable", "graylink:"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--cable names no device: graylink:"), std::string::npos);
    // A port that is not there: the device is named, nothing hangs.
    run = RunCli({"send", program.string(), "--cable", "/dev/parport97"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("/dev/parport97"), std::string::npos) << run.err;
    // Receiving into something that is not a folder.
    run = RunCli({"receive", program.string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is not a folder"), std::string::npos);
}

TEST_F(CliCable, NeverHangsOnADeadCableAndBoundsUserWaitsOnRequest)
{
    const fs::path program = write(folder / "pc" / "HI.82p", kProgram);
    const std::string timeout =
        "Timeout!  Check your cables and make sure calculator is in the Link menu.";
    // Nobody at the other end of the cable: the first bit is never taken.
    auto start = std::chrono::steady_clock::now();
    CliOutput run = RunCli({"send", program.string(), "--cable", cable()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(timeout), std::string::npos) << run.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    // A calculator that never sends: receive waits for its user, here for 0.3 s.
    startCalculator();
    start = std::chrono::steady_clock::now();
    run = RunCli({"receive", (folder / "pc").string(), "--cable", cable(), "--wait", "0.3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(timeout), std::string::npos) << run.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    for (const char *bad : {"0", "-1", "soon", ""}) {
        run = RunCli({"receive", (folder / "pc").string(), "--cable", cable(), "--wait", bad});
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_NE(run.err.find("--wait needs a number of seconds"), std::string::npos) << bad;
    }
}

TEST_F(CliCable, AFileThatIsNotACableIsLeftAlone)
{
    // A user's file, or one of zeros the size of a cable: refused, untouched.
    const fs::path program = write(folder / "pc" / "HI.82p", kProgram);
    for (const std::string &text : {std::string("notes\n"), std::string(64, '\0')}) {
        const fs::path notes = folder / "notes.txt";
        {
            std::ofstream out(notes, std::ios::binary);
            out << text;
        }
        const CliOutput run = RunCli({"send", program.string(), "--cable", notes.string()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("not a virtual cable"), std::string::npos) << run.err;
        std::ifstream in(notes, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    }
}

TEST_F(CliCable, ScreenshotGivesBackTheCalculatorsScreen)
{
    for (int i = 0; i < 768; ++i) {
        config.screen[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37 % 251);
    }
    config.screen[0] = 0x80;
    config.model = link::calcsim::SimModel::TI83;
    startCalculator();
    for (const char *name : {"shot.png", "shot.bmp"}) {
        const CliOutput run = RunCli(
            {"screenshot", "--cable", cable(), "-o", (folder / name).string(), "--model", "83"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto image = tools::DecodeImage(base::ReadWholeFile(folder / name).bytes);
        ASSERT_TRUE(std::holds_alternative<tools::RgbaImage>(image)) << name;
        const tools::RgbaImage &rgba = std::get<tools::RgbaImage>(image);
        ASSERT_EQ(rgba.width, 96);
        ASSERT_EQ(rgba.height, 64);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x) {
                const bool dark = rgba.pixels[static_cast<std::size_t>(y * 96 + x) * 4] == 0;
                const bool set = (config.screen[static_cast<std::size_t>(y * 12 + x / 8)] &
                                  (0x80 >> (x % 8))) != 0;
                ASSERT_EQ(dark, set) << name << " " << x << "," << y;
            }
        }
    }
    // The calculator had its acknowledgement each time.
    const auto screensSent = [this] {
        const std::vector<std::string> log = calculator_->log();
        return std::count(log.begin(), log.end(), "sent the screen");
    };
    for (int i = 0; i < 200 && screensSent() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(screensSent(), 2);

    EXPECT_EQ(
        RunCli({"screenshot", "--cable", cable(), "-o", (folder / "shot.gif").string()}).exitCode,
        2);
}

TEST_F(CliCable, ScreenshotWithoutACalculatorTimesOut)
{
    const CliOutput run =
        RunCli({"screenshot", "--cable", cable(), "-o", (folder / "none.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Timeout!  Check your cables and make sure calculator is in a screenshot "
                       "gettable mode (progress indicator is not going).\n");
    EXPECT_FALSE(fs::exists(folder / "none.png"));
}

} // namespace
} // namespace vexil::cli::test
