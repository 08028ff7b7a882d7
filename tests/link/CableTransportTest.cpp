// SPDX-License-Identifier: GPL-3.0-or-later
// The cable transport over the driver's process-wide lines, attached to the
// virtual cable.
#include "link/CableTransport.h"
#include "RecordingHost.h"
#include "brantel/VirtualCable.h"
#include "brantel/brantel.h"
#include "link/Link.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace vexil::link;
using namespace vexil::link::test;
namespace fs = std::filesystem;
namespace brantel = vexil::brantel;

namespace {

std::string CablePath(const char *name)
{
    static const vexil::testing::ScratchFolder folder;
    fs::remove(folder / name);
    return (folder / name).string();
}

std::unique_ptr<CableTransport> OpenCable(LinkHost &host, const std::string &path)
{
    auto cable = std::make_unique<CableTransport>(host);
    EXPECT_EQ(cable->open(BRANTEL_LINES_VIRTUAL, path), "");
    return cable;
}

} // namespace

TEST(CableTransport, ReplacingAnOpenCableKeepsTheNewLinesAndPump)
{
    RecordingHost host;
    Link link(host);
    SetBrk(0);
    link.useTransport(OpenCable(host, CablePath("first")));
    const std::string second = CablePath("second");
    // The replaced transport goes away after the new one has opened its lines.
    link.useTransport(OpenCable(host, second));

    brantel::VirtualCable calc(second, brantel::CableEnd::Calculator);
    calc.drive(brantel::kPullLineA);
    EXPECT_EQ(link.ReadLines() & 0x30, brantel::kLineBHigh);
    link.TimeoutMs = 100;
    link.WaitForData(1);
    EXPECT_EQ(link.LinkError, 0);
    calc.drive(brantel::kReleaseBoth);

    // Nobody answers: only the stop button, pumped inside the wait, ends it.
    // The watchdog only keeps a broken pump from hanging the test.
    host.onPump = [&] {
        if (host.pumps == 3) {
            link.Cancel();
        }
    };
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 200 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!done) {
            SetBrk(1);
        }
    });
    link.SendByte(0x01);
    done = true;
    watchdog.join();
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(link.check(), TransferResult::Cancelled);
    SetBrk(0);
}
