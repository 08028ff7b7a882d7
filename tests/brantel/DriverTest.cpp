// SPDX-License-Identifier: GPL-3.0-or-later
// The exported driver as vexil sees it: break flag, pump and back-end choice.
#include "brantel/BitProtocol.h"
#include "brantel/DeviceLines.h"
#include "brantel/VirtualCable.h"
#include "brantel/brantel.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vexil::brantel;

namespace {

class DriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = (scratch_ / "cable").string();
        char message[256];
        ASSERT_EQ(brantel_open_lines(BRANTEL_LINES_VIRTUAL, path_.c_str(), message, sizeof message),
                  0)
            << message;
        SetBrk(0);
    }
    void TearDown() override
    {
        brantel_set_pump(nullptr, nullptr);
        brantel_set_timeout(0);
        brantel_close_lines();
        SetBrk(0);
    }
    vexil::testing::ScratchFolder scratch_;
    std::string path_;
};

class StopFlag final : public WaitHooks {
public:
    explicit StopFlag(std::atomic<bool> &stop) : stop_(stop) {}
    bool aborted() override { return stop_.load(); }

private:
    std::atomic<bool> &stop_;
};

// Takes its time before each of its own moves, but never longer than `pause`.
class SlowHooks final : public WaitHooks {
public:
    SlowHooks(std::atomic<bool> &stop, std::chrono::milliseconds pause) : stop_(stop), pause_(pause)
    {
    }
    void edgeStarts() override { std::this_thread::sleep_for(pause_); }
    bool aborted() override { return stop_.load(); }

private:
    std::atomic<bool> &stop_;
    std::chrono::milliseconds pause_;
};

} // namespace

TEST_F(DriverTest, BreakFlagSetBeforeACallTouchesNothing)
{
    VirtualCable calc(path_, CableEnd::Calculator);
    SetBrk(1);
    EXPECT_EQ(GetBrk(), 1);
    Put82(0x00);
    EXPECT_EQ(calc.sample(), kLineMask); // nothing was pulled
    // Sticky: Get82 returns 0 at once, again and again, though nobody sends.
    EXPECT_EQ(Get82(), 0);
    EXPECT_EQ(Get82(), 0);
}

TEST_F(DriverTest, OnlyExactlyOneAborts)
{
    // With the flag at 2 a transfer runs to the end, both ways, turning round
    // after every byte the way packets and their acknowledgements do.
    SetBrk(2);
    std::atomic<bool> stop{false};
    std::thread echo([&] {
        VirtualCable calc(path_, CableEnd::Calculator);
        StopFlag hooks(stop);
        for (int i = 0; i < 256; ++i) {
            const auto b = ReceiveByte(calc, hooks);
            if (!b || !SendByte(calc, hooks, static_cast<uint8_t>(*b ^ 0xFF))) {
                return;
            }
        }
    });
    bool allEchoed = true;
    for (int i = 0; i < 256; ++i) {
        Put82(i | 0x100); // only the low 8 bits count
        allEchoed = allEchoed && Get82() == (i ^ 0xFF);
    }
    stop = true;
    echo.join();
    EXPECT_TRUE(allEchoed);
}

TEST_F(DriverTest, AFlagSetFromAPumpedHandlerEndsTheWait)
{
    // Nobody on the other end: only the handler can end these waits.
    int calls = 0;
    brantel_set_pump(
        [](void *context) {
            if (++*static_cast<int *>(context) == 100) {
                SetBrk(1);
            }
        },
        &calls);
    Put82(0x55);
    EXPECT_EQ(calls, 100);
    SetBrk(0);
    calls = 0;
    EXPECT_EQ(Get82(), 0);
    EXPECT_EQ(calls, 100);
}

TEST_F(DriverTest, RawLineAccessFollowsTheRegisterModel)
{
    VirtualCable calc(path_, CableEnd::Calculator);
    brantel_write_lines(kPullLineA);
    EXPECT_EQ(calc.sample(), kLineBHigh);
    calc.drive(kPullLineB);
    EXPECT_EQ(brantel_read_lines() & kLineMask, 0x00);
    brantel_write_lines(kReleaseBoth);
    calc.drive(kReleaseBoth);
    EXPECT_EQ(brantel_read_lines() & kLineMask, kLineMask);
}

TEST(DriverOpen, FailuresNameTheDeviceAndTheCause)
{
    char message[512];
    // A missing parallel port.
    EXPECT_EQ(
        brantel_open_lines(BRANTEL_LINES_PARPORT, "/dev/parport-missing", message, sizeof message),
        -1);
    EXPECT_NE(std::string(message).find("/dev/parport-missing"), std::string::npos);
    EXPECT_NE(std::string(message).find("ppdev"), std::string::npos);
    // A file that has no modem-control lines.
    EXPECT_EQ(brantel_open_lines(BRANTEL_LINES_SERIAL, "/dev/null", message, sizeof message), -1);
    EXPECT_NE(std::string(message).find("/dev/null"), std::string::npos);
    // A device the user may not open: name the group to join.
    const std::string denied = DeviceErrorMessage("/dev/ttyS9", EACCES, "dialout");
    EXPECT_NE(denied.find("/dev/ttyS9"), std::string::npos);
    EXPECT_NE(denied.find("adduser"), std::string::npos);
    EXPECT_EQ(denied.find("udev"), std::string::npos);
    // A parallel port can also be opened through the udev rule that grants it to the
    // user at the desk.
    const std::string parport = DeviceErrorMessage("/dev/parport7", EACCES, "lp");
    EXPECT_NE(parport.find("/dev/parport7"), std::string::npos);
    EXPECT_NE(parport.find("\"lp\""), std::string::npos);
    EXPECT_NE(parport.find("70-vexil-parport.rules"), std::string::npos);
    // The message is cut to the caller's buffer and still terminated.
    char tiny[8];
    EXPECT_EQ(brantel_open_lines(BRANTEL_LINES_SERIAL, "/dev/null", tiny, sizeof tiny), -1);
    EXPECT_EQ(std::string(tiny).size(), 7u);
    // After a failure nothing is attached: the lines read idle.
    EXPECT_EQ(brantel_read_lines() & kLineMask, kLineMask);
}

TEST_F(DriverTest, ATimeLimitEndsAStalledByteWithoutTheBreakFlag)
{
    // Nobody on the other end: each call gives up after the limit, says so, and
    // leaves the break flag alone.
    brantel_set_timeout(50);
    const auto start = std::chrono::steady_clock::now();
    Put82(0x55);
    EXPECT_EQ(brantel_timed_out(), 1);
    EXPECT_EQ(Get82(), 0);
    EXPECT_EQ(brantel_timed_out(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(GetBrk(), 0);

    // The limit is per move of the other end, not per byte: a calculator slower
    // than the limit over the whole byte, but quick at every edge, gets through.
    std::atomic<bool> stop{false};
    std::thread slowCalc([&] {
        VirtualCable calc(path_, CableEnd::Calculator);
        SlowHooks hooks(stop, std::chrono::milliseconds(10));
        ReceiveByte(calc, hooks);
    });
    Put82(0xA5);
    EXPECT_EQ(brantel_timed_out(), 0);
    stop = true;
    slowCalc.join();
}

TEST(SerialLines, ClosingLeavesTheModemLinesRaised)
{
    // A pseudo-terminal keeps its termios flags like a serial port does.
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios tio{};
    ::tcgetattr(slave, &tio);
    tio.c_cflag |= HUPCL;
    ::tcsetattr(slave, TCSANOW, &tio);
    EXPECT_TRUE(KeepModemLinesOnClose(slave));
    ::tcgetattr(slave, &tio);
    EXPECT_EQ(tio.c_cflag & HUPCL, 0u);
    ::close(slave);
    ::close(master);
    EXPECT_FALSE(KeepModemLinesOnClose(-1));
}
