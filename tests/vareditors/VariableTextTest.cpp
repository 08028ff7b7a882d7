// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/VariableText.h"

#include "vareditors/MatrixVariable.h"
#include "vareditors/SettingsVariables.h"
#include "varfile/RealText.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

FileBuild Import(std::string_view type, CalcModel model, std::string name, std::string_view text)
{
    const VariableTextForm *form = TextFormOfType(type);
    EXPECT_NE(form, nullptr) << type;
    return form->importText({model, std::move(name), text});
}

TextExport Export(std::string_view type, const Bytes &file)
{
    return TextFormOfType(type)->exportText(file);
}

TEST(VariableText, EveryKindExportsWhatItImportsAndImportsItBackByteForByte)
{
    struct Case {
        const char *type;
        CalcModel model;
        const char *name;
        const char *text;     // what a script writes
        const char *exported; // the text read back out of the file
    };
    const Case cases[] = {
        {"real", CalcModel::TI82, "Theta", " 12.5e1\n", "125\n"},
        {"real", CalcModel::TI83, "", "0.333333333333333333", "0.33333333333333\n"},
        {"complex", CalcModel::TI83, "θ", "-1E-5-2.5E-7i\n", "-1E-5-2.5E-7i\n"},
        {"complex", CalcModel::TI83, "Z", "4", "4+0i\n"},
        {"list", CalcModel::TI82, "L6", "1\r\n\n-2.5\n3E20\n", "1\n-2.5\n3E20\n"},
        {"list", CalcModel::TI83, "θAB", "", ""},
        {"clist", CalcModel::TI83, "L1", "1+2i\n7\n0-1i\n", "1+2i\n7+0i\n0-1i\n"},
        {"matrix", CalcModel::TI83, "[J]", "1, 2, 3\n4,5,6\n", "1,2,3\n4,5,6\n"},
        {"matrix", CalcModel::TI82, "", "", "0\n"},
        {"string", CalcModel::TI83, "Str0", "Disp \"π\"\n1→A", "Disp \"π\"\n1→A"},
        {"equ", CalcModel::TI82, "Vn", "√(X)+Un", "√(X)+Un"},
        {"equ", CalcModel::TI83, "Y0", "", ""},
        {"table", CalcModel::TI83, "", "DeltaTbl = 0.5\n", "TblStart=0\nDeltaTbl=0.5\n"},
        {"table", CalcModel::TI82, "", "TblMin=-3", "TblMin=-3\nDeltaTbl=0\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.text);
        const FileBuild imported = Import(c.type, c.model, c.name, c.text);
        ASSERT_TRUE(imported.ok()) << imported.error;
        EXPECT_EQ(varfile::ReadVarFileModel(imported.file), c.model);
        const TextExport exported = Export(c.type, imported.file);
        ASSERT_TRUE(exported.ok()) << exported.error;
        EXPECT_EQ(exported.text, c.exported);
        EXPECT_EQ(Import(c.type, c.model, c.name, exported.text).file, imported.file);
    }
}

TEST(VariableText, SettingsAreKeyedByTheirGridLabels)
{
    const FileBuild window =
        Import("window", CalcModel::TI83, "", "Xres = 2\nθmin=-3.14\nw(nMin)=\nu(nMin+1)=1\n");
    ASSERT_TRUE(window.ok()) << window.error;
    ASSERT_EQ(window.file.size(), 282u);
    const std::string text = Export("window", window.file).text;
    // Every row in grid order; left-out rows are 0, an empty initial value is undefined.
    EXPECT_TRUE(text.starts_with("Xmin=0\nXmax=0\nXscl=0\nYmin=0\nYmax=0\nYscl=0\nXres=2\n"));
    EXPECT_NE(text.find("\nθmin=-3.14\n"), std::string::npos);
    EXPECT_NE(text.find("\nw(nMin)=\n"), std::string::npos);
    EXPECT_NE(text.find("\nu(nMin+1)=1\n"), std::string::npos);
    EXPECT_EQ(Import("window", CalcModel::TI83, "", text).file, window.file);

    const FileBuild zoom = Import("zoom", CalcModel::TI82, "", "ZUnStart=\nZnMax=10\n");
    ASSERT_TRUE(zoom.ok()) << zoom.error;
    EXPECT_EQ(zoom.file.size(), 227u);
    const std::string zoomText = Export("zoom", zoom.file).text;
    EXPECT_NE(zoomText.find("\nZUnStart=\n"), std::string::npos);
    EXPECT_TRUE(zoomText.ends_with("ZnMax=10\n"));
}

TEST(VariableText, ImportRefusesWhatTheEditorsRefuse)
{
    struct Case {
        const char *type;
        CalcModel model;
        const char *name;
        const char *text;
        std::string error;
    };
    const std::string invalidReal = varfile::kInvalidRealMessage;
    const Case cases[] = {
        {"real", CalcModel::TI83, "", "1E100", invalidReal},
        {"real", CalcModel::TI83, "", "1\n2", "line 2: a number variable holds one value"},
        {"real", CalcModel::TI83, "AB", "1", "The name must be a letter A to Z or θ."},
        {"complex", CalcModel::TI82, "", "1", "The TI-82 has no complex numbers."},
        {"complex", CalcModel::TI83, "", "2i", varfile::kInvalidComplexMessage},
        {"complex", CalcModel::TI83, "", "1E150+0i", invalidReal},
        {"list", CalcModel::TI82, "ABC", "1", "The TI-82 has only the lists L1 to L6."},
        {"list", CalcModel::TI83, "TOOLONG", "1", "A list name has 1 to 5 characters."},
        {"list", CalcModel::TI83, "", "1\n2*3", "line 2: " + invalidReal},
        {"clist", CalcModel::TI83, "", "3+i",
         "line 1: " + std::string(varfile::kInvalidComplexMessage)},
        {"clist", CalcModel::TI82, "", "1", "The TI-82 has no complex lists."},
        {"matrix", CalcModel::TI82, "[F]", "1", "The TI-82 has only the matrices [A] to [E]."},
        {"matrix", CalcModel::TI83, "", "1,2\n3",
         "line 2: every row of a matrix has as many elements as the first, 2"},
        {"matrix", CalcModel::TI83, "", "1,abc", "line 1: " + invalidReal},
        {"string", CalcModel::TI83, "", "A\nB#", "line 2, column 2: Invalid token found."},
        {"string", CalcModel::TI82, "", "A", "The TI-82 has no strings."},
        {"string", CalcModel::TI83, "Str10", "A", "A string name is one of Str1 to Str9 and Str0."},
        {"equ", CalcModel::TI82, "w", "X", "The calculator has no equation named w."},
        {"window", CalcModel::TI83, "", "TblMin=1", "line 1: no setting is labelled TblMin"},
        {"window", CalcModel::TI83, "", "Xmin=1\nXmin=2", "line 2: Xmin is given twice"},
        {"window", CalcModel::TI83, "", "Xmin 1", "line 1: a setting is written label=value"},
        {"window", CalcModel::TI82, "", "Xres=1", "line 1: no setting is labelled Xres"},
        {"zoom", CalcModel::TI83, "", "ZXmin=abc", "line 1: " + invalidReal},
        {"zoom", CalcModel::TI83, "", "Xmin=1", "line 1: no setting is labelled Xmin"},
        {"table", CalcModel::TI83, "", "TblStart=abc", "line 1: " + invalidReal},
        {"table", CalcModel::TI83, "", "TblStart=", "line 1: " + invalidReal},
        {"table", CalcModel::TI83, "Window", "",
         "Window, zoom and table settings have no name to choose."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.text);
        const FileBuild imported = Import(c.type, c.model, c.name, c.text);
        EXPECT_EQ(imported.error, c.error);
        EXPECT_TRUE(imported.file.empty());
    }
    // A matrix of 100 rows is refused before anything is built.
    std::string rows;
    for (int row = 0; row < 100; ++row) {
        rows += "1\n";
    }
    EXPECT_EQ(Import("matrix", CalcModel::TI83, "", rows).error, kMatrixDimensionMessage);
}

TEST(VariableText, DamagedFilesAreReportedWithTheEditorsMessages)
{
    const Bytes matrix = Import("matrix", CalcModel::TI83, "", "1,2").file;
    const Bytes cut(matrix.begin(), matrix.end() - 6);
    EXPECT_EQ(Export("matrix", cut).error, kMatrixReadError);
    const Bytes window = Import("window", CalcModel::TI82, "", "").file;
    EXPECT_EQ(Export("window", Bytes(window.begin(), window.begin() + 100)).error,
              "Error in window settings file.");
}

TEST(VariableText, TokensThatDoNotDecodeReversiblySaySo)
{
    const Bytes plain = Import("string", CalcModel::TI83, "", "HI").file;
    EXPECT_TRUE(Export("string", plain).lossy.empty());
    Bytes later = plain;
    later.insert(later.end() - 2, {0xBB, 0x6D});
    const TextExport exported = Export("string", later);
    EXPECT_TRUE(exported.ok());
    EXPECT_EQ(exported.text, "HI");
    EXPECT_NE(exported.lossy.find("at 1 place, at byte offset 74"), std::string::npos);
}

TEST(VariableText, FormsAreFoundByTypeAndKindAndEntriesComeOutOfGroups)
{
    EXPECT_EQ(TextFormOfType("backup"), nullptr);
    EXPECT_EQ(TextFormOfKind(varfile::VarKind::GraphDatabase)->type, "gdb");
    EXPECT_EQ(TextFormOfKind(varfile::VarKind::ComplexList)->type, "clist");
    EXPECT_EQ(TextFormOfKind(varfile::VarKind::Program), nullptr);

    const Bytes real = Import("real", CalcModel::TI83, "B", "2").file;
    EXPECT_EQ(EntryAsFile(real, 0), real);
    EXPECT_EQ(EntryAsFile(real, 1), std::nullopt);

    const varfile::VarEntry first{0x00, {'A'}, Bytes(real.begin() + 70, real.end() - 2)};
    const varfile::VarEntry second{0x01, {0x5D, 0x02}, {1, 0, 0x00, 0x80, 0x70, 0, 0, 0, 0, 0, 0}};
    const Bytes group =
        *varfile::BuildVarFile(CalcModel::TI83, varfile::MakeComment("group"), {first, second});
    const auto entry = EntryAsFile(group, 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(Export("list", *entry).text, "7\n");
    EXPECT_EQ(Export("real", *EntryAsFile(group, 0)).text, "2\n");
    EXPECT_EQ(EntryAsFile(group, 2), std::nullopt);
}

} // namespace
} // namespace vexil::vardata
