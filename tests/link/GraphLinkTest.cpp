// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-Graph Link transport on a pseudo-terminal standing in for the serial
// port: bytes both ways, and a silent cable read as a time-out.
#include "RecordingHost.h"
#include "link/GraphLinkTransport.h"
#include "link/Link.h"

#include <gtest/gtest.h>

#include <chrono>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace vexil::link;
using namespace vexil::link::test;

namespace {

// A pseudo-terminal pair: `port` is what the transport opens by `name`, `cable`
// is the calculator's end.
struct PseudoTerminal {
    int cable = -1;
    int port = -1;
    char name[128] = {};
    bool opened = ::openpty(&cable, &port, name, nullptr, nullptr) == 0;

    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    ~PseudoTerminal()
    {
        if (opened) {
            ::close(cable);
            ::close(port);
        }
    }
};

} // namespace

TEST(GraphLink, MovesBytesAndTimesOutOnASilentCable)
{
    const PseudoTerminal pty;
    ASSERT_TRUE(pty.opened);
    RecordingHost host;
    bool stop = false;
    auto serial = std::make_unique<GraphLinkTransport>(
        host, [&] { return stop; }, 50);
    ASSERT_EQ(serial->open(pty.name), "");
    termios tio{};
    ::tcgetattr(pty.port, &tio);
    EXPECT_EQ(cfgetospeed(&tio), B9600);
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));

    Link link(host);
    link.useTransport(std::move(serial));
    // Out: the byte arrives unchanged on the other side.
    link.SendByte(0x83);
    uint8_t got = 0;
    ASSERT_EQ(::read(pty.cable, &got, 1), 1);
    EXPECT_EQ(got, 0x83);
    // In: WaitForData sees it and ReceiveByte takes it.
    const uint8_t reply = 0x56;
    ASSERT_EQ(::write(pty.cable, &reply, 1), 1);
    link.WaitForData(1);
    EXPECT_EQ(link.ReceiveByte(), 0x56);
    EXPECT_EQ(link.LinkError, 0);
    // Nothing comes: the read times out and counts as a link time-out.
    EXPECT_EQ(link.ReceiveByte(), 0);
    EXPECT_EQ(link.check(), TransferResult::Timeout);
    // A cancel ends a read at once, without a time-out.
    link.LinkError = 0;
    stop = true;
    link.ReceiveByte();
    EXPECT_EQ(link.LinkError, 0);
}

TEST(GraphLink, AFullPortKeepsTheStopButtonAlive)
{
    const PseudoTerminal pty;
    ASSERT_TRUE(pty.opened);
    RecordingHost host;
    bool stop = false;
    host.onPump = [&] { stop = true; };
    GraphLinkTransport serial(
        host, [&] { return stop; }, 50);
    ASSERT_EQ(serial.open(pty.name), "");
    // Nobody reads the other side: sooner or later a byte has to wait for room,
    // and that wait must let the user interface run and see the stop.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (host.pumps == 0 && std::chrono::steady_clock::now() < giveUp) {
        serial.sendByte(0x15);
    }
    EXPECT_EQ(host.pumps, 1);
}

TEST(GraphLink, ANonSerialDeviceIsNamedInTheMessage)
{
    RecordingHost host;
    GraphLinkTransport serial(
        host, [] { return false; }, 50);
    const std::string message = serial.open("/dev/null");
    EXPECT_NE(message.find("/dev/null"), std::string::npos);
    EXPECT_NE(message.find("not a serial port"), std::string::npos);
}
