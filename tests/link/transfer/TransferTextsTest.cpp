// SPDX-License-Identifier: GPL-3.0-or-later
// Names and texts of a transfer: safe receive names, descriptions, devices.
#include "link/transfer/CableDevice.h"
#include "link/transfer/SafeFileName.h"
#include "link/transfer/SendOperations.h"
#include "link/transfer/VariableDescription.h"

#include <gtest/gtest.h>

using namespace vexil::link;
using namespace vexil::link::transfer;

TEST(SafeReceivePath, KeepsEveryNameInsideTheFolder)
{
    const std::filesystem::path folder = "/data/recv";
    // Ordinary names pass unchanged.
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/HELLO.82p"), "/data/recv/HELLO.82p");
    // A slash or backslash from the cable cannot climb out or make a folder.
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/../x.82p"), "/data/recv/___x.82p");
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/a\\b.82p"), "/data/recv/a_b.82p");
    // Control characters, DEL and bytes past ASCII.
    EXPECT_EQ(SafeReceivePath(folder, std::string("/data/recv/A\x01\x7F\xE0.82p")),
              "/data/recv/A___.82p");
    // A hidden name becomes visible.
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/.bashrc.82p"), "/data/recv/_bashrc.82p");
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/.82p"), "/data/recv/_.82p");
    // Nothing a shell or a command line takes for more than a name: no option,
    // no blank, no metacharacter, in the name or in its extension.
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/-rf.82p"), "/data/recv/_rf.82p");
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/ a b.82p"), "/data/recv/_a_b.82p");
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/$(x);*?`|&<>'\".82p"),
              "/data/recv/__x___________.82p");
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/A.8;p"), "/data/recv/A.8_p");
    // The forms of the naming table pass as they are.
    EXPECT_EQ(SafeReceivePath(folder, "/data/recv/PrintScr.83_"), "/data/recv/PrintScr.83_");
    // A naming function that put the file elsewhere still lands in the folder.
    EXPECT_EQ(SafeReceivePath(folder, "/etc/passwd"), "/data/recv/passwd");
    EXPECT_EQ(SafeReceivePath(folder, ""), "");
}

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
