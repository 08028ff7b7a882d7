// SPDX-License-Identifier: GPL-3.0-or-later
// The Image Converter on the main window's link, against the simulated calculator
// over the virtual cable: its screen comes back pixel for pixel, a picture it sends
// arrives through the picture dialog, and Send Pic stores a picture on it.
#include "app/ui/ConverterCable.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "link/LinkDevice.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "link/ui/TfrmSendFile.h"
#include "tools/PictureFile.h"
#include "tools/ui/TfrmConvert.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

using namespace vexil;
using uibase::Answer;
namespace fs = std::filesystem;

namespace {

tools::SpriteGrid Rings()
{
    tools::SpriteGrid cells;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int dx = x - 48;
            const int dy = y - 32;
            cells.set(x, y, (dx * dx + dy * dy) / 40 % 2 == 0);
        }
    }
    return cells;
}

class ConverterCableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(folder() / "memory");
        config.model = link::calcsim::SimModel::TI83;
        config.cablePath = link::VirtualCablePath(folder()).string();
        config.memoryDir = folder() / "memory";
        const std::vector<std::uint8_t> screen = tools::RowsOfGrid(Rings(), 64);
        std::copy(screen.begin(), screen.end(), config.screen.begin());
        ASSERT_FALSE(base::WriteFileAtomically(
            folder() / "memory" / "Pic7.83i",
            *tools::BuildPictureFile(varfile::CalcModel::TI83, 7, Rings())));
    }
    void startSim() { sim_.start(config); }
    void TearDown() override { sim_.stop(); }
    fs::path folder() const { return dir.path().toStdString(); }

    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    link::calcsim::SimConfig config;
    link::test::SimOnCable sim_;
    link::ui::TfrmSendFile transfer{[this] {
        return link::ui::LinkSettings{0, link::kPortVirtualCable, false, folder()};
    }};
    app::ConverterCable cable{transfer, [] { return true; }, nullptr};
    tools::TfrmConvert converter{folder(), [] { return varfile::CalcModel::TI83; }, cable};
};

} // namespace

TEST_F(ConverterCableTest, TheScreenComesBackPixelForPixel)
{
    startSim();
    converter.setSource(tools::TfrmConvert::SourceCalculator);
    dialogs->answers.push_back(Answer::Ok);
    converter.GrabScreenClick();
    EXPECT_EQ(converter.workingImage(), Rings());
    EXPECT_EQ(dialogs->shown.size(), 1U); // the question before the grab, nothing after
    EXPECT_EQ(converter.grabButton()->text(), "Grab Screenshot");
}

TEST_F(ConverterCableTest, APictureTheCalculatorSendsArrives)
{
    startSim();
    sim_->queueSend({"Pic7.83i"});
    converter.ReceivePicClick();
    EXPECT_EQ(tools::RowsOfGrid(converter.workingImage(), 63), tools::RowsOfGrid(Rings(), 63));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(ConverterCableTest, SendPicStoresThePictureOnTheCalculator)
{
    startSim();
    converter.setSource(tools::TfrmConvert::SourceCalculator);
    dialogs->answers.push_back(Answer::Ok);
    converter.GrabScreenClick();
    converter.setDestination(tools::TfrmConvert::DestCalculator);
    ASSERT_TRUE(converter.setPictureNumber(4));
    dialogs->answers.push_back(Answer::Ok);
    converter.SendPicClick();
    EXPECT_EQ(transfer.result(), QDialog::Accepted);
    const link::calcsim::SimVariable *stored =
        sim_->memory().find(0x07, {0x60, 0x03, 0, 0, 0, 0, 0, 0});
    ASSERT_NE(stored, nullptr);
    std::vector<std::uint8_t> expected{0xF4, 0x02};
    const std::vector<std::uint8_t> rows = tools::RowsOfGrid(Rings(), 63);
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(stored->data, expected);
}

TEST_F(ConverterCableTest, TheGrabButtonCancelsAWaitForACalculatorThatIsBusy)
{
    // Busy with a program, the calculator never takes the request's first bit.
    config.listening = false;
    startSim();
    converter.setSource(tools::TfrmConvert::SourceCalculator);
    dialogs->answers.push_back(Answer::Ok);
    QTimer::singleShot(100, converter.grabButton(), &QPushButton::click);
    const auto start = std::chrono::steady_clock::now();
    converter.GrabScreenClick();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(dialogs->shown.size(), 1U);
    EXPECT_EQ(converter.grabButton()->text(), "Grab Screenshot");
    EXPECT_EQ(converter.workingImage(), tools::SpriteGrid{});
}
