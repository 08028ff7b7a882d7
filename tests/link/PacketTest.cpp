// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Packet.h"
#include "link/TransferResult.h"

#include <gtest/gtest.h>

using namespace vexil::link;

TEST(Packet, HeaderOnlyByCommandOrZeroLength)
{
    // The five header-only commands, whatever their length word says.
    for (uint8_t cmd : {0x56, 0x5A, 0x36, 0x09, 0x92}) {
        EXPECT_TRUE(IsHeaderOnly(HeaderPacket(0x02, cmd, 0x0B))) << int(cmd);
    }
    // Any command with length 0, such as the screen request.
    EXPECT_TRUE(IsHeaderOnly(HeaderPacket(0x03, 0x6D, 0)));
    EXPECT_TRUE(ChecksumOk(HeaderPacket(0x03, 0x6D, 0), 0x1234));
    // A data command with a length carries data.
    EXPECT_FALSE(IsHeaderOnly(HeaderPacket(0x02, 0x15, 1)));
}

TEST(Packet, ChecksumIsTheSixteenBitDataSum)
{
    // The guide's variable header: 09 00 00 41 00... sums to 0x004A.
    Packet header{0x03, 0x06, 0x0B, 0x00, 0x09, 0x00, 0x00, 0x41, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    AppendChecksum(header);
    EXPECT_EQ(header[15], 0x4A);
    EXPECT_EQ(header[16], 0x00);

    // A data sum of 70,000 keeps its low 16 bits: 4,464 = 0x1170.
    std::vector<uint8_t> data(70000 / 250, 250);
    Packet big = DataPacket(0x02, 0x15, data);
    EXPECT_EQ(big[big.size() - 2], 0x70);
    EXPECT_EQ(big[big.size() - 1], 0x11);
    EXPECT_TRUE(ChecksumOk(big, 0x1170));
    EXPECT_FALSE(ChecksumOk(big, 0x1171));

    // A header-only packet never gets a checksum, even with a size in its length
    // field (the end of transmission after a send carries one).
    Packet eot = HeaderPacket(0x02, 0x92, 0x0009);
    AppendChecksum(eot);
    EXPECT_EQ(eot, (Packet{0x02, 0x92, 0x09, 0x00}));

    // The refusal goes out with its reason and that reason as checksum.
    EXPECT_EQ(RefusalPacket(0x83, 2), (Packet{0x83, 0x36, 0x01, 0x00, 0x02, 0x02, 0x00}));
}

TEST(TransferResult, MessagesAreExact)
{
    EXPECT_STREQ(ResultMessage(TransferResult::TransmissionError),
                 "An error occurred during transmission.  ");
    EXPECT_STREQ(ResultMessage(TransferResult::MemoryFull),
                 "Error: Memory Full.  Try deleting some other programs.  ");
    EXPECT_STREQ(ResultMessage(TransferResult::Cancelled), "Transmission cancelled.  ");
    EXPECT_STREQ(ResultMessage(TransferResult::Timeout),
                 "Timeout!  Check your cables and make sure calculator is in the Link menu.  ");
    // Success and the calculator's own refusals close the dialog without a word.
    EXPECT_EQ(ResultMessage(TransferResult::Ok), nullptr);
    EXPECT_EQ(ResultMessage(TransferResult::RefusedExit), nullptr);
    EXPECT_EQ(ResultMessage(TransferResult::RefusedSkip), nullptr);
}
