// SPDX-License-Identifier: GPL-3.0-or-later
// Names and texts of a transfer: descriptions, devices.
#include "link/transfer/CableDevice.h"
#include "link/transfer/SendOperations.h"
#include "link/transfer/VariableDescription.h"

#include <gtest/gtest.h>

using namespace vexil::link;
using namespace vexil::link::transfer;

TEST(VariableDescription, UsesTheModelsWords)
{
    const uint8_t a[] = {'A'};
    const uint8_t list[] = {0x5D, 0x02};
    const uint8_t str[] = {0xAA, 0x09};
    const uint8_t eq[] = {0x5E, 0x21};
    EXPECT_EQ(VariableDescription(0x02, 0x00, a), "Real A");
    EXPECT_EQ(VariableDescription(0x82, 0x01, list), "List L3");
    EXPECT_EQ(VariableDescription(0x03, 0x04, str), "String Str0");
    // Equations as their received files are named.
    const uint8_t y0[] = {0x5E, 0x19};
    const uint8_t polar[] = {0x5E, 0x45};
    const uint8_t seq[] = {0x5E, 0x81};
    EXPECT_EQ(VariableDescription(0x03, 0x03, eq), "Function Y1t");
    EXPECT_EQ(VariableDescription(0x02, 0x03, y0), "Function Y0");
    EXPECT_EQ(VariableDescription(0x82, 0x03, polar), "Function r6");
    EXPECT_EQ(VariableDescription(0x02, 0x03, seq), "Function Vn");
    EXPECT_EQ(VariableDescription(0x83, 0x03, seq), "Function vn");
    EXPECT_EQ(VariableDescription(0x03, 0x0C, a), "Complex A");
    // 0x0C is a zoom store on the TI-82.
    EXPECT_EQ(VariableDescription(0x02, 0x0C, a), "Zoom Settings");
    EXPECT_EQ(VariableDescription(0x02, 0x0F, {}), "Backup");
    EXPECT_EQ(VariableDescription(0x03, 0x0F, {}), "Window Settings");
    EXPECT_EQ(VariableDescription(0x02, 0x04, a), "Unknown");
    EXPECT_EQ(VariableDescription(0x05, 0x00, a), "");
}

TEST(SendKindFor, GoesByTheExtensionsLastLetter)
{
    EXPECT_EQ(SendKindFor("x/mem.82B"), SendKind::Backup);
    EXPECT_EQ(SendKindFor("x/ashell.83g"), SendKind::Group);
    EXPECT_EQ(SendKindFor("x/prog.83p"), SendKind::Variable);
    // Not four characters with the dot: one variable.
    EXPECT_EQ(SendKindFor("x/prog.8b"), SendKind::Variable);
    EXPECT_EQ(SendKindFor("x/prog.backup"), SendKind::Variable);
}

TEST(ParseCableDevice, TellsTheCableKinds)
{
    EXPECT_EQ(ParseCableDevice("/dev/parport1")->kind, LinkDeviceKind::ParallelLines);
    EXPECT_EQ(ParseCableDevice("/dev/ttyS0")->kind, LinkDeviceKind::SerialLines);
    const auto gray = ParseCableDevice("graylink:/dev/ttyUSB0");
    EXPECT_EQ(gray->kind, LinkDeviceKind::GraphLinkSerial);
    EXPECT_EQ(gray->path, "/dev/ttyUSB0");
    EXPECT_EQ(ParseCableDevice("/home/u/.local/share/vexil/virtual-cable")->kind,
              LinkDeviceKind::VirtualCable);
    EXPECT_FALSE(ParseCableDevice("graylink:"));
    EXPECT_FALSE(ParseCableDevice(""));
}
