// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/SettingsVariables.h"

#include "varfile/CalcReal.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

Bytes Real(double value)
{
    const auto bytes = *varfile::EncodeReal(value);
    return {bytes.begin(), bytes.end()};
}

Bytes At(const Bytes &file, std::size_t offset, std::size_t count)
{
    return Bytes(file.begin() + static_cast<long>(offset),
                 file.begin() + static_cast<long>(offset + count));
}

std::size_t RowOf(SettingsKind kind, CalcModel model, const std::string &label)
{
    for (std::size_t row = 0; row < SettingCount(model); ++row) {
        if (SettingLabel(kind, model, row) == label) {
            return row;
        }
    }
    ADD_FAILURE() << label;
    return 0;
}

TEST(SettingsVariables, NewWindowAndZoomFilesStartWithTheCalculatorsSizeWord)
{
    struct Case {
        SettingsKind kind;
        CalcModel model;
        std::uint8_t type;
        Bytes start;
        std::size_t dataLength;
        Bytes name;
    };
    const Case cases[] = {
        {SettingsKind::Window, CalcModel::TI82, 0x0B, {0x9A, 0x00, 0x00}, 156, {0x5E, 0x81}},
        {SettingsKind::Zoom, CalcModel::TI82, 0x0C, {0x99, 0x00}, 155, {0x5E, 0x81}},
        {SettingsKind::Window, CalcModel::TI83, 0x0F, {0xD0, 0x00, 0x00}, 210, {0xFE, 0x82}},
        {SettingsKind::Zoom, CalcModel::TI83, 0x10, {0xCF, 0x00}, 209, {0xFE, 0x82}},
    };
    for (const Case &c : cases) {
        const auto build = BuildSettingsFile(NewSettings(c.kind, c.model));
        ASSERT_TRUE(build.ok());
        const Bytes &file = build.file;
        EXPECT_EQ(file.size(), 72 + c.dataLength);
        EXPECT_EQ(file[59], c.type);
        EXPECT_EQ(At(file, 60, 2), c.name);
        EXPECT_EQ(At(file, 70, c.start.size()), c.start);
        EXPECT_EQ(At(file, 70 + c.start.size(), 9), Real(0));
        EXPECT_EQ(std::string(file.begin() + 11, file.begin() + 53),
                  "Variable created using Vexil Assembler.   ");
    }
}

TEST(SettingsVariables, ValuesGoToTheFileInTheModelsOrder)
{
    SettingsVariable window = NewSettings(SettingsKind::Window, CalcModel::TI83);
    for (std::size_t row = 0; row < window.values.size(); ++row) {
        window.values[row] = {true, static_cast<double>(row + 1)};
    }
    const Bytes file = BuildSettingsFile(window).file;
    // Xres (grid row 6) is the 22nd value, θmin (row 10) the 7th.
    EXPECT_EQ(At(file, 73 + 21 * 9, 9), Real(7));
    EXPECT_EQ(At(file, 73 + 6 * 9, 9), Real(11));
    // Each u, v, w pair stores its nMin+1 value first.
    const auto row = [](const char *label) {
        return RowOf(SettingsKind::Window, CalcModel::TI83, label);
    };
    EXPECT_EQ(At(file, 73 + 14 * 9, 9), Real(static_cast<double>(row("u(nMin+1)") + 1)));
    EXPECT_EQ(At(file, 73 + 17 * 9, 9), Real(static_cast<double>(row("u(nMin)") + 1)));
    EXPECT_EQ(At(file, 73 + 19 * 9, 9), Real(static_cast<double>(row("w(nMin+1)") + 1)));
    EXPECT_EQ(At(file, 73 + 22 * 9, 9), Real(static_cast<double>(row("w(nMin)") + 1)));

    const auto loaded = LoadSettingsFile(SettingsKind::Window, file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.variable.values, window.values);

    SettingsVariable zoom = NewSettings(SettingsKind::Zoom, CalcModel::TI82);
    zoom.values[RowOf(SettingsKind::Zoom, CalcModel::TI82, "ZTmin")] = {true, -5.0};
    const Bytes zoomFile = BuildSettingsFile(zoom).file;
    // TI-82: Tmin is the 10th value, read from offset 72 in a zoom file.
    EXPECT_EQ(At(zoomFile, 72 + 9 * 9, 9), Real(-5));
    EXPECT_EQ(LoadSettingsFile(SettingsKind::Zoom, zoomFile).variable.values, zoom.values);
}

TEST(SettingsVariables, LabelsOfBothModels)
{
    EXPECT_EQ(SettingCount(CalcModel::TI82), 17u);
    EXPECT_EQ(SettingCount(CalcModel::TI83), 23u);
    EXPECT_EQ(SettingLabel(SettingsKind::Window, CalcModel::TI82, 9), "θmin");
    EXPECT_EQ(SettingLabel(SettingsKind::Window, CalcModel::TI82, 12), "UnStart");
    EXPECT_EQ(SettingLabel(SettingsKind::Zoom, CalcModel::TI83, 22), "Zw(nMin+1)");
    EXPECT_EQ(SettingLabel(SettingsKind::Zoom, CalcModel::TI83, 12), "Zθstep");
    EXPECT_EQ(TableStartLabel(CalcModel::TI82), "TblMin =");
    EXPECT_EQ(TableStartLabel(CalcModel::TI83), "TblStart =");
}

TEST(SettingsVariables, UndefinedInitialValuesStayUndefined)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        SettingsVariable window = NewSettings(SettingsKind::Window, model);
        const std::size_t row =
            RowOf(SettingsKind::Window, model, model == CalcModel::TI82 ? "VnStart" : "v(nMin)");
        ASSERT_TRUE(SettingMayBeUndefined(model, row));
        window.values[row] = SettingValue::Undefined();
        const Bytes file = BuildSettingsFile(window).file;
        // The file position of VnStart (TI-82) and v(nMin) (TI-83).
        const std::size_t offset = 73 + (model == CalcModel::TI82 ? 15 : 18) * 9;
        EXPECT_EQ(file[offset], model == CalcModel::TI82 ? 0x10 : 0x02);
        EXPECT_EQ(LoadSettingsFile(SettingsKind::Window, file).variable.values, window.values);
    }
    // A calculator's own undefined value, number and other flag bits included.
    Bytes file = BuildSettingsFile(NewSettings(SettingsKind::Window, CalcModel::TI83)).file;
    const Bytes calculators{0x0E, 0x80, 0x10, 0, 0, 0, 0, 0, 0};
    std::copy(calculators.begin(), calculators.end(), file.begin() + 73 + 14 * 9);
    const auto loaded = LoadSettingsFile(SettingsKind::Window, file);
    EXPECT_EQ(loaded.variable.values[RowOf(SettingsKind::Window, CalcModel::TI83, "u(nMin+1)")],
              SettingValue::Undefined());
    // Elsewhere the flag is not read as undefined: Xmin keeps its number.
    std::copy(calculators.begin(), calculators.end(), file.begin() + 73);
    EXPECT_EQ(LoadSettingsFile(SettingsKind::Window, file).variable.values[0],
              (SettingValue{true, 1.0}));

    // Typing nothing leaves only the initial values undefined.
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI83, 20, " "), SettingValue::Undefined());
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI83, 0, ""), SettingValue{});
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI82, 14, ""), SettingValue{}); // nStart
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI83, 0, "0.333333333333333333"),
              (SettingValue{true, 0.33333333333333}));
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI83, 0, "1E100"), std::nullopt);
    EXPECT_EQ(ParseSettingEntry(CalcModel::TI83, 0, "abc"), std::nullopt);
}

TEST(SettingsVariables, FilesWithZeroSizeWordsLoadToo)
{
    SettingsVariable window = NewSettings(SettingsKind::Window, CalcModel::TI82);
    window.values[0] = {true, -10.0};
    Bytes file = BuildSettingsFile(window).file;
    file[70] = 0x00;
    EXPECT_EQ(LoadSettingsFile(SettingsKind::Window, file).variable.values[0].value, -10.0);
}

TEST(SettingsVariables, TableSetup)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        const Bytes file = BuildTableFile({model, -2.5, 0.5}).file;
        ASSERT_EQ(file.size(), 92u);
        EXPECT_EQ(file[59], model == CalcModel::TI82 ? 0x0D : 0x11);
        EXPECT_EQ(At(file, 70, 2), (Bytes{0x12, 0x00}));
        EXPECT_EQ(At(file, 72, 9), Real(-2.5));
        EXPECT_EQ(std::string(file.begin() + 11, file.begin() + 53),
                  "Table setup created with Vexil Assembler. ");
        const auto loaded = LoadTableFile(file);
        EXPECT_TRUE(loaded.complete);
        EXPECT_EQ(loaded.variable.model, model);
        EXPECT_EQ(loaded.variable.start, -2.5);
        EXPECT_EQ(loaded.variable.step, 0.5);
    }
    EXPECT_FALSE(BuildTableFile({CalcModel::TI83, 1e100, 0}).ok());
}

} // namespace
} // namespace vexil::vardata
