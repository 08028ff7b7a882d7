// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarMatrix.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "vareditors/MatrixVariable.h"
#include "vareditors/ui/NumberGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;
using varfile::Bytes;

// Types `text` into a dimension box as a user would, replacing what was there.
void TypeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

Bytes SaveAs(TfrmVarMatrix &matrix, ScopedScriptedDialogs &dialogs, const QString &path)
{
    matrix.FileName.clear();
    dialogs->fileNames.push_back(path);
    EXPECT_TRUE(matrix.SaveFile());
    return ReadBytes(path);
}

TEST(MatrixEditor, NewMatrixIsOneByOneZero)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarMatrix matrix(frame);
    matrix.prepareNew(true, 4);
    EXPECT_EQ(matrix.windowTitle(), "Untitled4 [TI-82 Matrix]");
    EXPECT_EQ(matrix.nameBox()->count(), 5);
    EXPECT_EQ(matrix.rowsBox()->text(), "1");
    EXPECT_EQ(matrix.columnsBox()->text(), "1");
    EXPECT_EQ(matrix.grid()->cellText(0, 0), "0");
    EXPECT_EQ(matrix.grid()->columnWidth(0), 128);
    EXPECT_EQ(matrix.grid()->rowHeight(0), 20);

    const Bytes file = SaveAs(matrix, dialogs, frame.path(QStringLiteral("a.82m")));
    EXPECT_EQ(dialogs->fileRequests[0].filter, "TI-82 Matrices (*.82m)|*.82m|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-82 Matrix");
    EXPECT_EQ(Bytes(file.begin() + 70, file.end() - 2),
              (Bytes{1, 1, 0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(matrix.windowTitle(), "a.82m [TI-82 Matrix]");
}

TEST(MatrixEditor, TheBoxLabelledRowsSetsTheRows)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarMatrix matrix(frame);
    matrix.prepareNew(false, 1);
    TypeInto(matrix.rowsBox(), QStringLiteral("3"));
    TypeInto(matrix.columnsBox(), QStringLiteral("2"));
    EXPECT_EQ(matrix.grid()->rowCount(), 3);
    EXPECT_EQ(matrix.grid()->columnCount(), 2);
    EXPECT_EQ(matrix.grid()->cellText(2, 1), "0");
    // Resizing alone is no change.
    EXPECT_FALSE(matrix.isModified());

    matrix.grid()->item(0, 1)->setText(QStringLiteral("5"));
    matrix.grid()->item(1, 0)->setText(QStringLiteral("7"));
    const Bytes file = SaveAs(matrix, dialogs, frame.path(QStringLiteral("b.83m")));
    // The file holds the columns first, then the rows, and the elements row by row.
    const auto loaded = vardata::LoadMatrixFile(file);
    EXPECT_EQ(file[70], 2);
    EXPECT_EQ(file[71], 3);
    EXPECT_EQ(loaded.variable.values, (std::vector<double>{0, 5, 7, 0, 0, 0}));

    // Typing 150 passes through 1 and 15; the numbers cut off on the way come back,
    // and the new cells are 0.
    TypeInto(matrix.rowsBox(), QStringLiteral("150"));
    EXPECT_EQ(matrix.rowsBox()->text(), "99");
    EXPECT_EQ(matrix.grid()->rowCount(), 99);
    EXPECT_EQ(matrix.grid()->cellText(1, 0), "7");
    EXPECT_EQ(matrix.grid()->cellText(98, 1), "0");
    TypeInto(matrix.columnsBox(), QStringLiteral("x"));
    EXPECT_EQ(matrix.columnsBox()->text(), "1");
    matrix.columnsBox()->setText(QStringLiteral("-3"));
    EXPECT_EQ(matrix.columnsBox()->text(), "1");
    EXPECT_EQ(matrix.grid()->columnCount(), 1);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST(MatrixEditor, ADimensionOfZeroIsRefused)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarMatrix matrix(frame);
    TypeInto(matrix.columnsBox(), QStringLiteral("4"));
    TypeInto(matrix.rowsBox(), QStringLiteral("0"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "A matrix has 1 to 99 rows and 1 to 99 columns.");
    EXPECT_EQ(matrix.rowsBox()->text(), "1");
    EXPECT_EQ(matrix.grid()->rowCount(), 1);
    EXPECT_EQ(matrix.grid()->columnCount(), 4);
}

TEST(MatrixEditor, CellEntriesBecomeNumbersOrZero)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarMatrix matrix(frame);
    QTableWidgetItem *cell = matrix.grid()->item(0, 0);
    const std::pair<const char *, const char *> entries[] = {
        {"2.50", "2.5"}, {"abc", "0"}, {"1E100", "0"}, {" -1e-5 ", "-1E-5"}};
    for (const auto &[typed, shown] : entries) {
        matrix.setModified(false);
        cell->setText(QString::fromLatin1(typed));
        EXPECT_EQ(cell->text(), shown) << typed;
        EXPECT_TRUE(matrix.isModified()) << typed;
    }
    // No message for any of them.
    EXPECT_TRUE(dialogs->shown.empty());

    // A save takes what is typed into a cell still being edited.
    matrix.grid()->setCurrentCell(0, 0);
    matrix.grid()->editItem(cell);
    auto *editor =
        qobject_cast<QLineEdit *>(matrix.grid()->indexWidget(matrix.grid()->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("42"));
    const Bytes file = SaveAs(matrix, dialogs, frame.path(QStringLiteral("c.83m")));
    EXPECT_EQ(vardata::LoadMatrixFile(file).variable.values, (std::vector<double>{42}));
    EXPECT_EQ(cell->text(), "42");
}

TEST(MatrixEditor, NamesFollowTheModelAndLoadBack)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarMatrix matrix(frame);
    matrix.prepareNew(false, 1);
    ASSERT_EQ(matrix.nameBox()->count(), 10);
    matrix.nameBox()->setCurrentText(QStringLiteral("[J]"));
    TypeInto(matrix.rowsBox(), QStringLiteral("2"));
    matrix.grid()->item(1, 0)->setText(QStringLiteral("-3"));
    const QString path = frame.path(QStringLiteral("j.83m"));
    const Bytes file = SaveAs(matrix, dialogs, path);
    EXPECT_EQ(file[60], 0x5C);
    EXPECT_EQ(file[61], 0x09);

    // A TI-82 window takes the TI-83 file's model and names.
    TfrmVarMatrix reloaded(frame);
    reloaded.prepareNew(true, 2);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_FALSE(reloaded.IsTI82);
    EXPECT_EQ(reloaded.nameBox()->currentText(), "[J]");
    EXPECT_EQ(reloaded.rowsBox()->text(), "2");
    EXPECT_EQ(reloaded.grid()->cellText(1, 0), "-3");
    EXPECT_FALSE(reloaded.isModified());

    Bytes cut = file;
    cut.resize(file.size() - 6);
    const QString cutPath = frame.path(QStringLiteral("cut.83m"));
    WriteBytes(cutPath, cut);
    EXPECT_TRUE(reloaded.LoadFile(cutPath));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading matrix file.");
    // The first element was read before the cut.
    EXPECT_EQ(reloaded.grid()->cellText(0, 0), "0");
}

} // namespace
} // namespace vexil::vareditors
