// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarTable.h"
#include "vareditors/ui/TfrmVarWindow.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "vareditors/ui/NumberGrid.h"
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;
using varfile::Bytes;

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

Bytes Save(uibase::VarEditorWindow &window, ScopedScriptedDialogs &dialogs, const QString &path)
{
    window.FileName.clear();
    dialogs->fileNames.push_back(path);
    EXPECT_TRUE(window.SaveFile());
    return ReadBytes(path);
}

TEST(WindowEditor, NewSettingsOfBothModels)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarWindow window(frame);
    window.prepareNew(true, 3);
    EXPECT_EQ(window.windowTitle(), "Untitled3 [TI-82 Window Settings]");
    ASSERT_EQ(window.grid()->rowCount(), 17);
    EXPECT_EQ(window.grid()->cellText(9, 0), "θmin");
    EXPECT_EQ(window.grid()->cellText(16, 1), "0");
    const Bytes window82 = Save(window, dialogs, frame.path(QStringLiteral("w.82w")));
    EXPECT_EQ(window82.size(), 228u);
    EXPECT_EQ(Word(window82, 57), 156);
    EXPECT_EQ(At(window82, 70, 3), (Bytes{0x9A, 0x00, 0x00}));
    EXPECT_EQ(dialogs->fileRequests[0].filter,
              "TI-82 Window Settings (*.82w)|*.82w|All Files (*.*)|*.*");

    window.prepareNew(false, 4);
    ASSERT_EQ(window.grid()->rowCount(), 23);
    EXPECT_EQ(window.grid()->cellText(6, 0), "Xres");
    // Labels are not values.
    EXPECT_FALSE(window.grid()->item(6, 0)->flags() & Qt::ItemIsEditable);
    window.grid()->item(6, 1)->setText(QStringLiteral("2"));
    EXPECT_TRUE(window.isModified());
    const Bytes window83 = Save(window, dialogs, frame.path(QStringLiteral("w.83w")));
    EXPECT_EQ(Word(window83, 57), 210);
    EXPECT_EQ(At(window83, 70, 3), (Bytes{0xD0, 0x00, 0x00}));
    // Xres is the 22nd value of the file.
    EXPECT_EQ(At(window83, 73 + 21 * 9, 9), Real(2));
}

TEST(WindowEditor, EntriesAreCheckedAndInitialValuesMayStayEmpty)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarWindow window(frame);
    window.prepareNew(false, 1);
    NumberGrid *grid = window.grid();
    grid->item(0, 1)->setText(QStringLiteral("-12.50"));
    EXPECT_EQ(grid->cellText(0, 1), "-12.5");
    grid->item(1, 1)->setText(QStringLiteral("abc"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidRealMessage);
    EXPECT_EQ(grid->cellText(1, 1), "0");
    // An empty entry is 0, except for an initial sequence value (w(nMin), row 19).
    grid->item(2, 1)->setText(QString());
    EXPECT_EQ(grid->cellText(2, 1), "0");
    grid->item(19, 1)->setText(QString());
    EXPECT_EQ(grid->cellText(19, 1), "");
    const Bytes file = Save(window, dialogs, frame.path(QStringLiteral("u.83w")));
    // w(nMin) is the last value of the file, marked undefined.
    EXPECT_EQ(file[73 + 22 * 9], 0x02);

    TfrmVarWindow reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(frame.path(QStringLiteral("u.83w"))));
    EXPECT_EQ(reloaded.grid()->cellText(0, 1), "-12.5");
    EXPECT_EQ(reloaded.grid()->cellText(19, 1), "");
    EXPECT_EQ(reloaded.grid()->cellText(20, 1), "0");
    EXPECT_FALSE(reloaded.isModified());
}

TEST(ZoomEditor, LabelsAndFileOffsets)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarZoom zoom(frame);
    zoom.prepareNew(false, 1);
    EXPECT_EQ(zoom.windowTitle(), "Untitled1 [TI-83 Zoom Settings]");
    EXPECT_EQ(zoom.grid()->cellText(0, 0), "ZXmin");
    EXPECT_EQ(zoom.grid()->cellText(22, 0), "Zw(nMin+1)");
    zoom.grid()->item(0, 1)->setText(QStringLiteral("-7"));
    const QString path = frame.path(QStringLiteral("z.83z"));
    const Bytes file = Save(zoom, dialogs, path);
    EXPECT_EQ(Word(file, 57), 209);
    EXPECT_EQ(At(file, 70, 2), (Bytes{0xCF, 0x00}));
    // A zoom file's first value is at offset 72.
    EXPECT_EQ(At(file, 72, 9), Real(-7));

    // Another tool's zoom file with 00 00 in front loads the same.
    Bytes other = file;
    other[70] = 0x00;
    WriteBytes(path, other);
    TfrmVarZoom reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.grid()->cellText(0, 1), "-7");

    other.resize(100);
    WriteBytes(path, other);
    EXPECT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(dialogs->shown.back().text, "Error reading zoom settings file.");
}

TEST(TableEditor, LabelsEntriesAndFile)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarTable table(frame);
    table.prepareNew(true, 1);
    EXPECT_EQ(table.startLabel()->text(), "TblMin =");
    table.prepareNew(false, 2);
    EXPECT_EQ(table.startLabel()->text(), "TblStart =");
    EXPECT_EQ(table.windowTitle(), "Untitled2 [TI-83 Table Setup]");

    table.startBox()->setText(QStringLiteral("abc"));
    QTest::keyClick(table.startBox(), Qt::Key_Return);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidRealMessage);
    EXPECT_EQ(table.startBox()->text(), "0");
    EXPECT_EQ(table.startBox()->selectedText(), "0");

    QTest::keyClicks(table.stepBox(), QStringLiteral(".5"));
    EXPECT_TRUE(table.isModified());
    // Typed but not entered: saving takes it.
    const QString path = frame.path(QStringLiteral("t.83t"));
    const Bytes file = Save(table, dialogs, path);
    ASSERT_EQ(file.size(), 92u);
    EXPECT_EQ(file[59], 0x11);
    EXPECT_EQ(At(file, 70, 2), (Bytes{0x12, 0x00}));
    EXPECT_EQ(At(file, 81, 9), Real(0.5));

    TfrmVarTable reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.startLabel()->text(), "TblStart =");
    EXPECT_EQ(reloaded.stepBox()->text(), "0.5");
    EXPECT_FALSE(reloaded.isModified());
}

} // namespace
} // namespace vexil::vareditors
