// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/VirtualCable.h"
#include "brantel/BitProtocol.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace vexil::brantel;
namespace fs = std::filesystem;

namespace {

fs::path CablePath(const char *name)
{
    static const vexil::testing::ScratchFolder folder;
    fs::remove(folder / name);
    return folder / name;
}

class Forever final : public WaitHooks {
public:
    bool aborted() override { return false; }
};

// Sends `bytes` from one end while the other end receives them, on two threads.
std::vector<uint8_t> Exchange(const fs::path &path, CableEnd from,
                              const std::vector<uint8_t> &bytes)
{
    VirtualCable sender(path, from);
    VirtualCable receiver(path,
                          from == CableEnd::Computer ? CableEnd::Calculator : CableEnd::Computer);
    EXPECT_TRUE(sender.ok() && receiver.ok());
    std::vector<uint8_t> got;
    std::thread reader([&] {
        Forever hooks;
        for (size_t i = 0; i < bytes.size(); ++i) {
            got.push_back(ReceiveByte(receiver, hooks).value_or(0));
        }
    });
    Forever hooks;
    for (uint8_t b : bytes) {
        SendByte(sender, hooks, b);
    }
    reader.join();
    return got;
}

} // namespace

TEST(VirtualCable, LinesAreTheWiredAndOfBothEnds)
{
    const fs::path path = CablePath("wired-and");
    VirtualCable pc(path.string(), CableEnd::Computer);
    auto calc = std::make_unique<VirtualCable>(path.string(), CableEnd::Calculator);
    ASSERT_TRUE(pc.ok());
    ASSERT_TRUE(calc->ok());
    // A fresh file is an idle cable.
    EXPECT_EQ(calc->sample(), kLineMask);
    // One end pulling line A is seen by both.
    pc.drive(kPullLineA);
    EXPECT_EQ(calc->sample(), kLineBHigh);
    EXPECT_EQ(pc.sample(), kLineBHigh);
    // The other end pulling line B too: both low.
    calc->drive(kPullLineB);
    EXPECT_EQ(pc.sample(), 0x00);
    // A line stays low while either end still pulls it.
    pc.drive(kReleaseBoth);
    EXPECT_EQ(pc.sample(), kLineAHigh);
    // An end that goes away lets go of its lines.
    calc.reset();
    EXPECT_EQ(pc.sample(), kLineMask);
}

TEST(VirtualCable, ReportsAnIdleMomentThatAnEndDidNotSee)
{
    const fs::path path = CablePath("missed-idle");
    VirtualCable a(path.string(), CableEnd::Computer);
    VirtualCable b(path.string(), CableEnd::Calculator);
    a.drive(kPullLineA);
    EXPECT_EQ(b.sample(), kLineBHigh);
    // a releases (idle) and pulls again before b looks: b still gets the idle once.
    a.drive(kReleaseBoth);
    a.drive(kPullLineB);
    EXPECT_EQ(b.sample(), kLineMask);
    EXPECT_EQ(b.sample(), kLineAHigh);
}

std::string Contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(VirtualCable, CreatesACableOnlyWhereNoFileExists)
{
    const fs::path path = CablePath("fresh");
    {
        VirtualCable cable(path.string(), CableEnd::Computer);
        ASSERT_TRUE(cable.ok()) << cable.error();
        EXPECT_EQ(cable.sample(), kLineMask);
    }
    EXPECT_EQ(fs::file_size(path), 64u);
    // Opened again, by either end: the same cable.
    EXPECT_TRUE(VirtualCable(path.string(), CableEnd::Calculator).ok());
    // The file was made under another name and linked into place: nothing of
    // that stays behind.
    for (const auto &item : fs::directory_iterator(path.parent_path())) {
        EXPECT_EQ(item.path().filename().string().find("fresh.new-"), std::string::npos);
    }

    VirtualCable nowhere("/nonexistent-folder/cable", CableEnd::Computer);
    EXPECT_FALSE(nowhere.ok());
}

TEST(VirtualCable, LeavesEveryOtherFileAsItIs)
{
    // A user's file, one the size of a cable but all zeros, one that starts
    // like a cable but is longer: refused, byte for byte as they were.
    for (const std::string &text :
         {std::string("some text that is certainly not a cable"), std::string(64, '\0'),
          std::string("VXBL") + std::string(96, '\0'), std::string()}) {
        const fs::path path = CablePath("not-a-cable");
        std::ofstream(path, std::ios::binary) << text;
        VirtualCable cable(path.string(), CableEnd::Computer);
        EXPECT_FALSE(cable.ok());
        EXPECT_EQ(cable.error(), "the file is not a virtual cable");
        EXPECT_EQ(Contents(path), text);
    }
    // Nor a folder or a FIFO, which must not block the open either.
    const fs::path folder = CablePath("folder");
    fs::create_directory(folder);
    EXPECT_FALSE(VirtualCable(folder.string(), CableEnd::Computer).ok());
    const fs::path fifo = CablePath("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(VirtualCable(fifo.string(), CableEnd::Computer).ok());
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(VirtualCable, EveryByteValueCrossesInBothDirections)
{
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; ++i) {
        all[i] = static_cast<uint8_t>(i);
    }
    const fs::path path = CablePath("all-bytes");
    EXPECT_EQ(Exchange(path, CableEnd::Computer, all), all);
    EXPECT_EQ(Exchange(path, CableEnd::Calculator, all), all);
}

TEST(VirtualCable, LongRandomPacketsArriveIntact)
{
    std::mt19937 random(6);
    std::uniform_int_distribution<int> byte(0, 255);
    const fs::path path = CablePath("random");
    for (CableEnd from : {CableEnd::Computer, CableEnd::Calculator}) {
        std::vector<uint8_t> packet(6000);
        for (auto &b : packet) {
            b = static_cast<uint8_t>(byte(random));
        }
        EXPECT_EQ(Exchange(path, from, packet), packet);
    }
}
