// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Link.h"
#include "FakeTransport.h"
#include "RecordingHost.h"
#include "link/LinkDevice.h"

#include <gtest/gtest.h>

using namespace vexil::link;
using namespace vexil::link::test;

namespace {

struct Harness {
    RecordingHost host;
    Link link{host};
    FakeTransport *transport = nullptr;

    explicit Harness(std::vector<uint8_t> input = {})
    {
        auto t = std::make_unique<FakeTransport>(std::move(input));
        transport = t.get();
        link.useTransport(std::move(t));
    }
};

std::vector<uint8_t> Concat(std::initializer_list<Packet> packets)
{
    std::vector<uint8_t> out;
    for (const auto &p : packets) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

} // namespace

TEST(Link, ReceivesHeaderOnlyAndDataPackets)
{
    const Packet real = DataPacket(
        0x83, 0x15, std::vector<uint8_t>{0x00, 0x80, 0x12, 0x56, 0x34, 0x78, 0x85, 0x25, 0x55});
    EXPECT_EQ(real[13], 0x93); // the guide's real number sums to 0x0293
    EXPECT_EQ(real[14], 0x02);
    Harness h(Concat({HeaderPacket(0x83, 0x56, 0x0B), real}));
    Packet p{0xEE};
    EXPECT_TRUE(h.link.ReceivePacket(p, true));
    EXPECT_EQ(p, (Packet{0x83, 0x56, 0x0B, 0x00}));
    EXPECT_TRUE(h.link.ReceivePacket(p, true));
    EXPECT_EQ(p, real);
    EXPECT_EQ(h.host.gaugeMax, 14);
    EXPECT_EQ(h.host.busyChanges, 0); // every busy cursor was restored
}

TEST(Link, RefusalIsReadAsItsHeaderOnly)
{
    // 0x36 with length 1: this layer stops after 4 bytes; the reason stays unread.
    Harness h(RefusalPacket(0x83, 2));
    Packet p;
    EXPECT_TRUE(h.link.ReceivePacket(p, false));
    EXPECT_EQ(p.size(), 4u);
    EXPECT_EQ(h.link.ReceiveByte(), 2);
}

TEST(Link, ReRequestsEachDamagedCopyOnce)
{
    Packet good = DataPacket(0x82, 0x15, std::vector<uint8_t>{1, 2, 3});
    Packet bad = good;
    bad.back() ^= 0xFF;
    Harness h(Concat({bad, bad, good}));
    h.link.MachineId = 0x02;
    Packet p;
    h.link.ReceivePacketChecked(p, false);
    EXPECT_EQ(p, good);
    EXPECT_EQ(h.transport->sent, Concat({HeaderPacket(0x02, 0x5A), HeaderPacket(0x02, 0x5A)}));
    EXPECT_EQ(h.host.beeps, 2);
    EXPECT_FALSE(h.link.check().has_value());
}

TEST(Link, GivesUpOnAPacketThatStaysDamaged)
{
    Packet bad = DataPacket(0x82, 0x15, std::vector<uint8_t>{1, 2, 3});
    bad.back() ^= 0xFF;
    std::vector<uint8_t> copies;
    for (int i = 0; i <= Link::kMaxResendRequests + 3; ++i) {
        copies.insert(copies.end(), bad.begin(), bad.end());
    }
    Harness h(copies);
    h.link.MachineId = 0x02;
    Packet p;
    h.link.ReceivePacketChecked(p, false);
    // Asked again a bounded number of times, then a transmission error.
    EXPECT_EQ(h.transport->sent.size(), 4u * Link::kMaxResendRequests);
    EXPECT_EQ(h.link.check(), TransferResult::TransmissionError);
    h.link.ResetState();
    EXPECT_FALSE(h.link.check().has_value());
}

TEST(Link, WaitsForTheUserWithoutALimitUnlessOneIsSet)
{
    // No limit: only data (here after a while) or the stop button end the wait.
    Harness h;
    h.host.onPump = [&] {
        if (h.host.pumps == 1500) {
            h.transport->input.push_back(0x83);
        }
    };
    h.link.WaitForUser();
    EXPECT_FALSE(h.link.check().has_value());
    EXPECT_EQ(h.host.pumps, 1500);
    Harness c;
    c.host.onPump = [&] { c.link.Cancel(); };
    c.link.WaitForUser();
    EXPECT_EQ(c.link.check(), TransferResult::Cancelled);

    // A script's limit ends it as a time-out.
    Harness w;
    w.link.UserWaitMs = 30;
    w.link.WaitForUser();
    EXPECT_EQ(w.link.check(), TransferResult::Timeout);
}

TEST(Link, ReceiveStopsAtATimeOutOrCancel)
{
    // The input ends inside the data: a time-out, reported as result 6, and the
    // checked receive does not ask again.
    Packet cut = DataPacket(0x82, 0x15, std::vector<uint8_t>(10, 7));
    cut.resize(8);
    Harness h(cut);
    Packet p;
    h.link.ReceivePacketChecked(p, false);
    EXPECT_TRUE(h.transport->sent.empty());
    EXPECT_EQ(h.link.check(), TransferResult::Timeout);

    // A cancel from a pumped handler ends the byte loop and wins over a time-out.
    Harness c(DataPacket(0x82, 0x15, std::vector<uint8_t>(100, 7)));
    c.host.onPump = [&] {
        if (c.host.pumps == 3) {
            c.link.Cancel();
        }
    };
    EXPECT_FALSE(c.link.ReceivePacket(p, false));
    EXPECT_EQ(c.transport->input.size(), 100u - 3 + 2);
    c.link.LinkError = 1;
    EXPECT_EQ(c.link.check(), TransferResult::Cancelled);
}

TEST(Link, AHeaderStopsAtItsFirstTimedOutByte)
{
    // A silent serial cable: every read would wait its whole time-out again.
    class Silent final : public ByteTransport {
    public:
        void sendByte(uint8_t) override {}
        std::optional<uint8_t> receiveByte() override
        {
            ++reads;
            return std::nullopt;
        }
        bool dataReady() override { return false; }
        void releaseLines() override {}
        uint8_t readLines() override { return 0x30; }
        bool lastByteTimedOut() const override { return true; }
        int reads = 0;
    };
    RecordingHost host;
    Link link(host);
    auto silent = std::make_unique<Silent>();
    Silent *cable = silent.get();
    link.useTransport(std::move(silent));
    Packet p;
    link.ReceivePacketChecked(p, false);
    EXPECT_EQ(cable->reads, 1);
    EXPECT_EQ(p.size(), 4u);
    EXPECT_EQ(link.check(), TransferResult::Timeout);
}

TEST(Link, SendPacketFillsTheChecksumAndStopsOnCancel)
{
    Harness h;
    Packet p{0x03, 0x15, 0x02, 0x00, 0x10, 0x20, 0x00, 0x00};
    h.link.SendPacket(p, true);
    EXPECT_EQ(h.transport->sent,
              (std::vector<uint8_t>{0x03, 0x15, 0x02, 0x00, 0x10, 0x20, 0x30, 0x00}));
    EXPECT_EQ(h.transport->releases, 1);
    EXPECT_EQ(h.host.gaugeMax, 7);
    EXPECT_EQ(h.host.gaugePosition, 7);

    // The stop button pressed while the fifth byte is on its way (its handler
    // runs inside the byte wait): nothing after that byte goes out.
    Harness c;
    c.transport->onSend = [&](size_t count) {
        if (count == 5) {
            c.link.Cancel();
        }
    };
    Packet long_ = DataPacket(0x02, 0x15, std::vector<uint8_t>(50, 1));
    c.link.SendPacket(long_, false);
    EXPECT_EQ(c.transport->sent.size(), 5u);
    EXPECT_EQ(c.link.check(), TransferResult::Cancelled);
}

TEST(Link, WaitForDataTimesOutOnlyWithAMask)
{
    // With a mask the wait ends after TimeoutMs with LinkError := mask.
    Harness h;
    h.link.TimeoutMs = 0;
    h.link.WaitForData(1);
    EXPECT_EQ(h.link.LinkError, 1);

    // With mask 0 only data or a cancel end it, however long it takes.
    Harness c;
    c.link.TimeoutMs = 0;
    c.host.onPump = [&] {
        if (c.host.pumps == 1000) {
            c.transport->input.push_back(0x83);
        }
    };
    c.link.WaitForData(0);
    EXPECT_EQ(c.link.LinkError, 0);
    EXPECT_EQ(c.host.pumps, 1000);
}

TEST(Link, StatusIsPaintedAtOnce)
{
    Harness h;
    h.link.SetLinkStatus("Waiting...");
    EXPECT_EQ(h.host.statuses, std::vector<std::string>{"Waiting..."});
    EXPECT_EQ(h.host.pumps, 1);
}

TEST(LinkDevice, PortsMapToDevices)
{
    const std::filesystem::path dir = "/home/u/.local/share/vexil";
    EXPECT_EQ(LinkDeviceFor(0, 0, dir).path, "/dev/ttyS0");
    EXPECT_EQ(LinkDeviceFor(0, 1, dir).kind, LinkDeviceKind::SerialLines);
    EXPECT_EQ(LinkDeviceFor(0, 2, dir).path, "/dev/parport0");
    EXPECT_EQ(LinkDeviceFor(0, 3, dir).path, "/dev/parport1");
    EXPECT_EQ(LinkDeviceFor(0, 4, dir).path, dir / "virtual-cable");
    EXPECT_EQ(LinkDeviceFor(0, 4, dir).kind, LinkDeviceKind::VirtualCable);
    EXPECT_EQ(LinkDeviceFor(0, 5, dir).path, "/dev/ttyUSB0");
    // The TI-Graph Link needs a serial port: parallel ports and the virtual
    // cable fall back to COM1.
    for (int port : {2, 3, 4}) {
        EXPECT_EQ(LinkDeviceFor(1, port, dir).path, "/dev/ttyS0") << port;
    }
    EXPECT_EQ(LinkDeviceFor(1, 5, dir).kind, LinkDeviceKind::GraphLinkSerial);
}

TEST(Link, AnUnopenableDeviceFailsFastWithAMessage)
{
    RecordingHost host;
    Link link(host);
    link.setProgramDir("/nonexistent-vexil-folder");
    const std::string message = link.LinkInit(0, kPortVirtualCable);
    EXPECT_NE(message.find("/nonexistent-vexil-folder/virtual-cable"), std::string::npos);
    // No hang: the first packet ends at once as a time-out.
    Packet p;
    link.ReceivePacketChecked(p, false);
    EXPECT_EQ(link.check(), TransferResult::Timeout);
    EXPECT_EQ(link.LinkBasePort, 0x3F8); // a port index out of the table counts as COM1
}
