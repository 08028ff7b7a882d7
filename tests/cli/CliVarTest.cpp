// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli var: every variable kind with an editor, to text and back, as a
// script would use it.
#include "CliRun.h"

#include "varfile/CalcReal.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vexil::cli::test {
namespace {

using varfile::Bytes;

class CliVar : public ::testing::Test {
protected:
    std::string file(const std::string &name) const { return (scratch_ / name).string(); }

    Bytes read(const std::string &name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    void write(const std::string &name, const Bytes &bytes) const
    {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<long>(bytes.size()));
    }

    // Imports `text` from standard input into `name`; the file's bytes, or none
    // after a refusal.
    CliOutput import(const std::string &type, const std::string &model, const std::string &text,
                     const std::string &name, std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> args = {"var",     "import", "--type", type,
                                         "--model", model,    "-o",     file(name)};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunCli(args, text);
    }

    static Bytes Data(const Bytes &file) { return Bytes(file.begin() + 70, file.end() - 2); }

private:
    ScratchFolder scratch_;
};

Bytes Real(double value)
{
    const auto bytes = *varfile::EncodeReal(value);
    return {bytes.begin(), bytes.end()};
}

TEST_F(CliVar, MatricesAsRowsOfCommaSeparatedElements)
{
    // Nothing typed is the new 1 x 1 matrix of 0.
    ASSERT_EQ(import("matrix", "82", "", "new.82m").exitCode, 0);
    EXPECT_EQ(Data(read("new.82m")), (Bytes{1, 1, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}));

    // Two rows of three zeros: the columns come first in the file.
    ASSERT_EQ(import("matrix", "83", "0,0,0\n0,0,0\n", "z.83m", {"--name", "[J]"}).exitCode, 0);
    const Bytes zeros = read("z.83m");
    EXPECT_EQ(zeros[60], 0x5C);
    EXPECT_EQ(zeros[61], 0x09);
    EXPECT_EQ(zeros[70], 3);
    EXPECT_EQ(zeros[71], 2);
    EXPECT_EQ(zeros.size(), 72u + 2u + 54u);

    const CliOutput exported = RunCli({"var", "export", file("z.83m")});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, "0,0,0\n0,0,0\n");

    // A text the matrix editor would turn into 0 is refused for a script.
    const CliOutput refused = import("matrix", "83", "1,abc\n", "bad.83m");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("line 1: Invalid floating point number entered."),
              std::string::npos);
    EXPECT_TRUE(read("bad.83m").empty());
}

TEST_F(CliVar, FunctionNamesAndEquations)
{
    const std::pair<const char *, std::uint8_t> names[] = {{"Y0", 0x19}, {"r1", 0x40}, {"u", 0x80}};
    for (const auto &[name, code] : names) {
        ASSERT_EQ(import("equ", "83", "", "f.83y", {"--name", name}).exitCode, 0) << name;
        const Bytes function = read("f.83y");
        EXPECT_EQ(function[60], 0x5E);
        EXPECT_EQ(function[61], code) << name;
        EXPECT_EQ(Data(function), (Bytes{0, 0})) << name;
    }
    ASSERT_EQ(import("equ", "82", "sin X+Un", "y1.82y").exitCode, 0);
    EXPECT_EQ(RunCli({"var", "export", file("y1.82y")}).out, "sin X+Un");
    // A byte no token uses would not come back from the text.
    Bytes odd = read("y1.82y");
    odd.insert(odd.end() - 2, 0xEB);
    write("odd.82y", odd);
    const CliOutput lossy = RunCli({"var", "export", file("odd.82y")});
    EXPECT_EQ(lossy.exitCode, 1);
    EXPECT_TRUE(lossy.out.empty());
    EXPECT_NE(lossy.err.find("--lossy"), std::string::npos);
    const CliOutput anyway = RunCli({"var", "export", "--lossy", file("odd.82y")});
    EXPECT_EQ(anyway.exitCode, 0);
    EXPECT_EQ(anyway.out, "sin X+Un~");
    EXPECT_NE(anyway.err.find("warning: "), std::string::npos);

    const CliOutput refused = import("equ", "82", "X\nX#", "bad.82y");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "vexil-cli var: line 2, column 2: Invalid token found.\n");
}

TEST_F(CliVar, WindowZoomAndTableSettings)
{
    ASSERT_EQ(import("window", "82", "", "w.82w").exitCode, 0);
    const Bytes window82 = read("w.82w");
    EXPECT_EQ(window82.size(), 228u);
    EXPECT_EQ(varfile::ParseVarFile(window82).entries.at(0).dataLength, 156u);
    EXPECT_EQ(Bytes(window82.begin() + 70, window82.begin() + 73), (Bytes{0x9A, 0x00, 0x00}));

    ASSERT_EQ(import("window", "83", "Xres=2\n", "w.83w").exitCode, 0);
    const Bytes window83 = read("w.83w");
    EXPECT_EQ(Data(window83).size(), 210u);
    EXPECT_EQ(Bytes(window83.begin() + 70, window83.begin() + 73), (Bytes{0xD0, 0x00, 0x00}));
    EXPECT_EQ(Bytes(window83.begin() + 73 + 21 * 9, window83.begin() + 73 + 22 * 9), Real(2));

    // A calculator's zoom: CF 00, then the values from offset 72.
    Bytes zoom = window83;
    zoom[59] = 0x10;
    zoom.erase(zoom.begin() + 72);
    zoom[70] = 0xCF;
    write("zoom.83z", zoom);
    const CliOutput zoomText = RunCli({"var", "export", file("zoom.83z")});
    EXPECT_EQ(zoomText.exitCode, 0);
    EXPECT_NE(zoomText.out.find("\nZXres=2\n"), std::string::npos);
    EXPECT_TRUE(zoomText.out.starts_with("ZXmin=0\n"));

    const CliOutput refused = import("table", "83", "TblStart=abc\n", "t.83t");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Invalid floating point number entered."), std::string::npos);
    EXPECT_TRUE(read("t.83t").empty());
    ASSERT_EQ(import("table", "82", "DeltaTbl=0.1", "t.82t").exitCode, 0);
    EXPECT_EQ(RunCli({"var", "export", file("t.82t")}).out, "TblMin=0\nDeltaTbl=0.1\n");
}

TEST_F(CliVar, GraphDatabasesOfBothModels)
{
    // The new TI-83 function GDB, and Dot in its format byte.
    ASSERT_EQ(import("gdb", "83", "Name=GDB1\nType=Function\n", "new.83d").exitCode, 0);
    const Bytes empty83 = Data(read("new.83d"));
    ASSERT_EQ(empty83.size(), 110u);
    EXPECT_EQ(Bytes(empty83.begin(), empty83.begin() + 7),
              (Bytes{0x6C, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00}));
    ASSERT_EQ(import("gdb", "83",
                     "Format=Dot Sequential GridOff RectGC CoordOn AxesOn LabelOff Web ExprOn\n"
                     "Y1=X\nY1.Selected=1\nY2.Style=Dot",
                     "dot.83d")
                  .exitCode,
              0);
    const Bytes dot = Data(read("dot.83d"));
    EXPECT_EQ(dot[4], 0x01);
    EXPECT_EQ(dot[7 + 63 + 1], 0x06);
    EXPECT_EQ(Bytes(dot.begin() + 80, dot.begin() + 84), (Bytes{0x23, 1, 0, 0x58}));

    // Sequence: 16 values, 3 styles and 3 equations; parametric: 6 styles.
    ASSERT_EQ(import("gdb", "83", "Type=Sequence", "seq.83d").exitCode, 0);
    EXPECT_EQ(Data(read("seq.83d")).size(), 7u + 16 * 9 + 3 + 3 * 3);
    ASSERT_EQ(import("gdb", "83", "Type=Parametric", "par.83d").exitCode, 0);
    EXPECT_EQ(Data(read("par.83d")).size(), 7u + 9 * 9 + 6 + 12 * 3);

    // The empty TI-82 function GDB: 89 data bytes behind the size word 57 00.
    ASSERT_EQ(import("gdb", "82", "", "new.82d").exitCode, 0);
    const Bytes empty82 = Data(read("new.82d"));
    EXPECT_EQ(empty82.size(), 89u);
    EXPECT_EQ(Bytes(empty82.begin(), empty82.begin() + 5), (Bytes{0x57, 0x00, 0x10, 0x00, 0x00}));
    const CliOutput text = RunCli({"var", "export", file("new.82d")});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.starts_with("Name=GDB1\nType=Function\nFormat=Connected Sequential "
                                     "GridOff RectGC CoordOn AxesOn LabelOff Web\nXmin=0\n"));
    EXPECT_EQ(text.out.find("Style"), std::string::npos);

    const CliOutput refused = import("gdb", "82", "Type=Function\nTmin=0\n", "bad.82d");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "vexil-cli var: line 2: a Function GDB has no Tmin\n");
    EXPECT_TRUE(read("bad.82d").empty());
}

TEST_F(CliVar, ExportThenImportGivesTheSameFile)
{
    struct Case {
        const char *type;
        const char *model;
        const char *name;
        const char *text;
    };
    const Case cases[] = {
        {"real", "83", "θ", "-2.5"},
        {"complex", "83", "Z", "3-2i"},
        {"list", "82", "L3", "1\n2\n3"},
        {"clist", "83", "DATA", "1+1i\n-2"},
        {"matrix", "82", "[E]", "1,2\n3,4"},
        {"string", "83", "Str5", "Disp \"π\"\n"},
        {"equ", "83", "w", "u(n-1)+2"},
        {"window", "82", "", "Xmin=-10\nUnStart="},
        {"zoom", "83", "", "Zv(nMin+1)=4"},
        {"table", "83", "", "TblStart=5"},
        {"gdb", "83", "GDB2", "Type=Sequence\nu(n)=u(n-1)+2\nu(n).Selected=1\nnMin=1"},
        {"gdb", "82", "", "Type=Polar\nr1=2θ\nθstep=0.1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_EQ(import(c.type, c.model, c.text, "first", {"--name", c.name}).exitCode, 0);
        const CliOutput text = RunCli({"var", "export", file("first")});
        ASSERT_EQ(text.exitCode, 0) << text.err;
        // The text comes back in from a file this time.
        std::ofstream(file("text"), std::ios::binary) << text.out;
        ASSERT_EQ(RunCli({"var", "import", "--type", c.type, "--model", c.model, "--name", c.name,
                          file("text"), "-o", file("second")})
                      .exitCode,
                  0);
        EXPECT_EQ(read("second"), read("first"));
    }
    // Left-out names are those of a new editor window.
    ASSERT_EQ(import("real", "82", "1", "a.82n").exitCode, 0);
    EXPECT_EQ(read("a.82n")[60], 'A');
}

TEST_F(CliVar, EntriesFilesAndUsage)
{
    const varfile::VarEntry real{0x00, {'B'}, Real(4)};
    const varfile::VarEntry list{0x01, {0x5D, 0x01}, {1, 0, 0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0}};
    const varfile::VarEntry program{0x05, {'P'}, {1, 0, 0x41}};
    write("group.83g", *varfile::BuildVarFile(varfile::CalcModel::TI83, varfile::MakeComment("g"),
                                              {real, list, program}));
    EXPECT_EQ(RunCli({"var", "export", file("group.83g")}).out, "4\n");
    EXPECT_EQ(RunCli({"var", "export", "--entry", "2", file("group.83g")}).out, "5\n");

    const CliOutput missing = RunCli({"var", "export", "--entry", "4", file("group.83g")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no entry 4"), std::string::npos);
    const CliOutput programEntry = RunCli({"var", "export", "--entry", "3", file("group.83g")});
    EXPECT_EQ(programEntry.exitCode, 1);
    EXPECT_NE(programEntry.err.find("basic export"), std::string::npos);

    ASSERT_EQ(import("list", "83", "1\n2\n", "l.83l").exitCode, 0);
    const Bytes listFile = read("l.83l");
    write("cut.83l", Bytes(listFile.begin(), listFile.end() - 4));
    const CliOutput damaged = RunCli({"var", "export", file("cut.83l")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.out.empty());
    EXPECT_EQ(damaged.err, file("cut.83l") + ": Error reading list file.\n");

    EXPECT_EQ(import("backup", "83", "", "x").exitCode, 2);
    EXPECT_EQ(RunCli({"var", "export", "--entry", "0", file("l.83l")}).exitCode, 2);
    EXPECT_EQ(RunCli({"var", "import", "--type", "real", "-o", file("x")}).exitCode, 2);
}

} // namespace
} // namespace vexil::cli::test
