// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeTransport.h"
#include "RecordingHost.h"
#include "link/PictureReceive.h"
#include "link/ScreenCapture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>

using namespace vexil::link;
using namespace vexil::link::test;

namespace {

struct Harness {
    RecordingHost host;
    Link link{host};
    FakeTransport *transport = nullptr;
    std::vector<std::string> log;

    explicit Harness(std::vector<uint8_t> input)
    {
        auto t = std::make_unique<FakeTransport>(std::move(input));
        transport = t.get();
        link.useTransport(std::move(t));
    }
    PictureReceive receive(bool ti83)
    {
        return ReceivePicture(link, ti83, [this](const std::string &line) { log.push_back(line); });
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

std::vector<uint8_t> Screen()
{
    std::vector<uint8_t> screen(kScreenBytes, 0);
    screen[0] = 0x80;
    screen[767] = 0x55;
    return screen;
}

// The picture variable's header and data packets, as the calculator sends them.
Packet VarHeader(uint8_t calc, uint8_t type, uint16_t size, uint8_t nameByte = 0x00)
{
    return DataPacket(calc, command::kVarHeader,
                      std::vector<uint8_t>{static_cast<uint8_t>(size),
                                           static_cast<uint8_t>(size >> 8), type, 0x60, nameByte, 0,
                                           0, 0, 0, 0, 0});
}

Packet PictureData(uint8_t calc)
{
    std::vector<uint8_t> data{0xF4, 0x02};
    for (int i = 0; i < 756; ++i) {
        data.push_back(static_cast<uint8_t>(i * 7));
    }
    return DataPacket(calc, command::kData, data);
}

TEST(GrabScreen, AsksAcknowledgesAndKeepsTheReply)
{
    const Packet reply = DataPacket(0x83, command::kData, Screen());
    Harness h(Concat({HeaderPacket(0x83, command::kAck), reply}));
    const ScreenCapture capture = GrabScreen(h.link, true);
    EXPECT_EQ(capture.result, TransferResult::Ok);
    EXPECT_EQ(capture.reply, reply);
    EXPECT_EQ(std::vector<uint8_t>(capture.screen().begin(), capture.screen().end()), Screen());
    // The request, then the acknowledgement of the screen data.
    EXPECT_EQ(h.transport->sent, (std::vector<uint8_t>{0x03, 0x6D, 0, 0, 0x03, 0x56, 0, 0}));
    EXPECT_EQ(h.link.MachineId, 0x03);

    Harness ti82(Concat({HeaderPacket(0x82, command::kAck), DataPacket(0x82, 0x15, Screen())}));
    EXPECT_EQ(GrabScreen(ti82.link, false).result, TransferResult::Ok);
    EXPECT_EQ(ti82.transport->sent, (std::vector<uint8_t>{0x02, 0x6D, 0, 0, 0x02, 0x56, 0, 0}));
}

TEST(GrabScreen, ADamagedOrWrongReplyIsAcknowledgedButNotAScreen)
{
    Packet damaged = DataPacket(0x83, command::kData, Screen());
    damaged[100] ^= 0x01;
    Harness h(Concat({HeaderPacket(0x83, command::kAck), damaged}));
    EXPECT_EQ(GrabScreen(h.link, true).result, TransferResult::TransmissionError);
    EXPECT_EQ(h.transport->sent.size(), 8U);

    // 774 bytes that are no screen: a refusal and whatever follows it.
    std::vector<uint8_t> wrong =
        Concat({HeaderPacket(0x83, command::kAck), RefusalPacket(0x83, 1)});
    wrong.resize(4 + kScreenReplySize, 0);
    Harness other(wrong);
    EXPECT_EQ(GrabScreen(other.link, true).result, TransferResult::TransmissionError);
    EXPECT_STREQ(ScreenCaptureMessage(TransferResult::TransmissionError),
                 "An error occurred during transmission.  ");
}

TEST(GrabScreen, StopsAtATimeOutOrACancel)
{
    // The calculator goes quiet half-way: no acknowledgement is sent.
    Packet reply = DataPacket(0x83, command::kData, Screen());
    reply.resize(300);
    Harness h(Concat({HeaderPacket(0x83, command::kAck), reply}));
    const ScreenCapture capture = GrabScreen(h.link, true);
    EXPECT_EQ(capture.result, TransferResult::Timeout);
    EXPECT_EQ(h.transport->sent.size(), 4U);
    EXPECT_STREQ(ScreenCaptureMessage(TransferResult::Timeout),
                 "Timeout!  Check your cables and make sure calculator is in a screenshot "
                 "gettable mode (progress indicator is not going).  ");

    Harness cancelled(
        Concat({HeaderPacket(0x83, command::kAck), DataPacket(0x83, 0x15, Screen())}));
    long pumps = 0;
    cancelled.host.onPump = [&] {
        if (++pumps == 50) {
            cancelled.link.Cancel();
        }
    };
    const ScreenCapture stopped = GrabScreen(cancelled.link, true);
    EXPECT_EQ(stopped.result, TransferResult::Cancelled);
    EXPECT_LT(stopped.reply.size(), 60U);
    EXPECT_EQ(ScreenCaptureMessage(TransferResult::Ok), nullptr);
}

TEST(ReceivePicture, TakesThePictureAndLogsEveryPacket)
{
    const Packet header = VarHeader(0x83, 0x07, 758, 0x02);
    const Packet data = PictureData(0x83);
    Harness h(Concat({header, HeaderPacket(0x83, command::kAck), data,
                      HeaderPacket(0x83, command::kEndOfTransmission)}));
    const PictureReceive picture = h.receive(true);
    ASSERT_EQ(picture.outcome, PictureOutcome::Received);
    EXPECT_EQ(picture.APic, data);
    EXPECT_EQ(picture.rows()[0], 0);
    EXPECT_EQ(picture.rows()[1], 7);
    EXPECT_EQ(picture.rows().size(), 756U);
    // Acknowledge and clear to send, acknowledge the data, acknowledge the end.
    EXPECT_EQ(h.transport->sent, (std::vector<uint8_t>{0x03, 0x56, 0, 0, 0x03, 0x09, 0, 0, 0x03,
                                                       0x56, 0, 0, 0x03, 0x56, 0, 0}));
    ASSERT_EQ(h.log.size(), 4U);
    EXPECT_EQ(h.log[0], "Packet = 83 06 0B 00 F6 02 07 60 02 00 00 00 00 00 00 61 01 ");
    EXPECT_EQ(h.log[1], "Packet = 83 56 00 00 ");
    EXPECT_EQ(h.log[2].substr(0, 25), "APic = 83 15 F6 02 F4 02 ");
    EXPECT_EQ(h.log[2].size(), 7 + 3 * data.size());
    EXPECT_EQ(h.log[3], "Packet = 83 92 00 00 ");
    EXPECT_EQ(PictureOutcomeMessage(PictureOutcome::Received), nullptr);
}

TEST(ReceivePicture, RefusesAVariableThatIsNoPicture)
{
    // A list: acknowledged, then the exit refusal alone, then the calculator's answer.
    const Packet list = DataPacket(0x82, command::kVarHeader,
                                   std::vector<uint8_t>{0x0B, 0, 0x01, 0x5D, 0, 0, 0, 0, 0, 0, 0});
    Harness h(Concat({list, HeaderPacket(0x82, command::kAck)}));
    const PictureReceive refused = h.receive(false);
    EXPECT_EQ(refused.outcome, PictureOutcome::NotAPicture);
    EXPECT_EQ(h.transport->sent,
              (std::vector<uint8_t>{0x02, 0x56, 0, 0, 0x02, 0x36, 0x01, 0x00, 0x01, 0x01, 0x00}));
    EXPECT_STREQ(PictureOutcomeMessage(refused.outcome), "That wasn't a Pic!");
    EXPECT_TRUE(h.transport->input.empty());
    EXPECT_EQ(h.log.size(), 2U);
}

TEST(ReceivePicture, TheFirstWaitHasNoTimeOut)
{
    Harness h(Concat({VarHeader(0x83, 0x07, 758), HeaderPacket(0x83, command::kAck),
                      PictureData(0x83), HeaderPacket(0x83, command::kEndOfTransmission)}));
    // The calculator starts sending only after far longer than any time-out.
    std::deque<uint8_t> later;
    std::swap(later, h.transport->input);
    const auto start = std::chrono::steady_clock::now();
    h.host.onPump = [&] {
        if (!later.empty() &&
            std::chrono::steady_clock::now() - start > std::chrono::milliseconds(50)) {
            std::swap(later, h.transport->input);
        }
    };
    h.link.TimeoutMs = 1;
    EXPECT_EQ(h.receive(true).outcome, PictureOutcome::Received);
    EXPECT_EQ(h.link.LinkError, 0);

    // A cancel while waiting ends it quietly.
    Harness waiting({});
    long pumps = 0;
    waiting.host.onPump = [&] {
        if (++pumps == 1000) {
            waiting.link.Cancel();
        }
    };
    const PictureReceive cancelled = waiting.receive(false);
    EXPECT_EQ(cancelled.outcome, PictureOutcome::Cancelled);
    EXPECT_TRUE(waiting.transport->sent.empty());
    EXPECT_EQ(PictureOutcomeMessage(cancelled.outcome), nullptr);
}

TEST(ReceivePicture, TimeOutsAndStrayPacketsEndIt)
{
    // No data after the clear to send: the three-second wait runs out.
    Harness silent(Concat({VarHeader(0x83, 0x07, 758), HeaderPacket(0x83, command::kAck)}));
    silent.link.TimeoutMs = 5;
    const PictureReceive timedOut = silent.receive(true);
    EXPECT_EQ(timedOut.outcome, PictureOutcome::TimedOut);
    EXPECT_STREQ(PictureOutcomeMessage(timedOut.outcome),
                 "Timeout!  Check your cables and make sure calculator is in the Link menu.  ");

    // A header that is no variable header, and data that is no picture.
    Harness stray(Packet(HeaderPacket(0x83, command::kEndOfTransmission)));
    EXPECT_EQ(stray.receive(true).outcome, PictureOutcome::TransmissionError);
    EXPECT_TRUE(stray.transport->sent.empty());
    Harness shortData(Concat({VarHeader(0x83, 0x07, 758), HeaderPacket(0x83, command::kAck),
                              DataPacket(0x83, command::kData, std::vector<uint8_t>{0xF4, 0x02, 1}),
                              HeaderPacket(0x83, command::kEndOfTransmission)}));
    EXPECT_EQ(shortData.receive(true).outcome, PictureOutcome::TransmissionError);
    EXPECT_STREQ(PictureOutcomeMessage(PictureOutcome::TransmissionError),
                 "An error occurred during transmission.  ");

    // A second variable after the picture is acknowledged and refused; the picture stays.
    Harness two(
        Concat({VarHeader(0x83, 0x07, 758), HeaderPacket(0x83, command::kAck), PictureData(0x83),
                VarHeader(0x83, 0x07, 758, 1), HeaderPacket(0x83, command::kAck)}));
    EXPECT_EQ(two.receive(true).outcome, PictureOutcome::Received);
    const std::vector<uint8_t> tail(two.transport->sent.end() - 11, two.transport->sent.end());
    EXPECT_EQ(tail, (std::vector<uint8_t>{0x03, 0x56, 0, 0, 0x03, 0x36, 1, 0, 1, 1, 0}));
    EXPECT_TRUE(two.transport->input.empty());
}

} // namespace
