// SPDX-License-Identifier: GPL-3.0-or-later
// The bit handshake on a strict virtual cable, which shows each end only the
// lines as they are when it looks: a receiver too slow to see the idle moment
// between two bits must still take every byte.
#include "brantel/BitProtocol.h"
#include "brantel/VirtualCable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace vexil::brantel;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

fs::path StrictCablePath(const char *name)
{
    const fs::path dir =
        fs::temp_directory_path() / ("vexil-handshake-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / name;
    fs::remove(path);
    VirtualCable(path.string(), CableEnd::Computer).setStrict(true);
    return path;
}

// Gives up after a generous limit, so a hang shows as a failure.
class Deadline final : public WaitHooks {
public:
    explicit Deadline(std::chrono::seconds limit) : end_(Clock::now() + limit) {}
    bool aborted() override { return Clock::now() > end_; }

private:
    Clock::time_point end_;
};

// The receiving end, looking at the lines only once the sender has started its
// next bit each time it has let go of its acknowledgement: it never sees the
// lines idle between two bits.
class NeverSeesIdle final : public LineBackend {
public:
    NeverSeesIdle(VirtualCable &cable, const std::atomic<bool> &senderDone)
        : cable_(cable), senderDone_(senderDone)
    {
    }
    void drive(uint8_t value) override
    {
        cable_.drive(value);
        late_ = value == kReleaseBoth;
    }
    uint8_t sample() override
    {
        if (late_) {
            late_ = false;
            while (cable_.sample() == kLineMask && !senderDone_.load()) {
                std::this_thread::yield();
            }
        }
        return cable_.sample();
    }

private:
    VirtualCable &cable_;
    const std::atomic<bool> &senderDone_;
    bool late_ = false;
};

// A receiving end that now and then stalls for up to 200 microseconds right
// after it moves a line, the moment a stall can hide the sender's next move, as
// on a loaded machine or behind a USB adapter.
class Sluggish final : public LineBackend {
public:
    explicit Sluggish(VirtualCable &cable, unsigned seed) : cable_(cable), random_(seed) {}
    void drive(uint8_t value) override
    {
        cable_.drive(value);
        maybeStall();
    }
    uint8_t sample() override { return cable_.sample(); }

private:
    void maybeStall()
    {
        const unsigned roll = random_() % 256;
        if (roll == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(random_() % 200));
        } else if (roll < 8) {
            std::this_thread::yield();
        }
    }
    VirtualCable &cable_;
    std::mt19937 random_;
};

std::vector<uint8_t> RandomBytes(size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (auto &b : bytes) {
        b = static_cast<uint8_t>(random());
    }
    return bytes;
}

// Sends `bytes` from `from` to a receiver wrapped by `slow`, on two threads.
template <typename MakeReceiver>
std::vector<uint8_t> Transfer(const fs::path &path, CableEnd from,
                              const std::vector<uint8_t> &bytes, MakeReceiver slow)
{
    VirtualCable sender(path.string(), from);
    VirtualCable receiverEnd(path.string(), from == CableEnd::Computer ? CableEnd::Calculator
                                                                       : CableEnd::Computer);
    EXPECT_TRUE(sender.ok() && receiverEnd.ok() && sender.strict());
    std::atomic<bool> senderDone{false};
    std::vector<uint8_t> got;
    std::thread reader([&] {
        auto receiver = slow(receiverEnd, senderDone);
        Deadline hooks(std::chrono::seconds(120));
        for (size_t i = 0; i < bytes.size(); ++i) {
            const auto b = ReceiveByte(receiver, hooks);
            if (!b) {
                return;
            }
            got.push_back(*b);
        }
    });
    Deadline hooks(std::chrono::seconds(120));
    for (uint8_t b : bytes) {
        if (!SendByte(sender, hooks, b)) {
            break;
        }
    }
    senderDone = true;
    reader.join();
    return got;
}

} // namespace

TEST(Handshake, AReceiverThatNeverSeesTheLinesIdleGetsEveryByte)
{
    const fs::path path = StrictCablePath("never-idle");
    const auto bytes = RandomBytes(512, 1);
    for (CableEnd from : {CableEnd::Computer, CableEnd::Calculator}) {
        const auto got =
            Transfer(path, from, bytes, [](VirtualCable &cable, const std::atomic<bool> &done) {
                return NeverSeesIdle(cable, done);
            });
        ASSERT_EQ(got.size(), bytes.size());
        EXPECT_TRUE(got == bytes);
    }
}

TEST(Handshake, ASlowReceiverTakesAHundredKilobytesEachWay)
{
    const fs::path path = StrictCablePath("slow");
    const auto bytes = RandomBytes(100 * 1024, 2);
    unsigned seed = 3;
    for (CableEnd from : {CableEnd::Computer, CableEnd::Calculator}) {
        const auto got =
            Transfer(path, from, bytes, [&seed](VirtualCable &cable, const std::atomic<bool> &) {
                return Sluggish(cable, seed++);
            });
        ASSERT_EQ(got.size(), bytes.size());
        EXPECT_TRUE(got == bytes);
    }
}
