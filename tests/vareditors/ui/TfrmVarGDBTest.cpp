// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarGDB.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "tibasic/ui/TokenInsertion.h"
#include "vareditors/GdbVariable.h"
#include "vareditors/ui/EquationGrid.h"
#include "vareditors/ui/GdbFormatMenu.h"
#include "vareditors/ui/GdbStyleGrid.h"
#include "vareditors/ui/NumberGrid.h"
#include "varfile/RealText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;
using vardata::GraphType;
using varfile::Bytes;

Bytes Data(const Bytes &file)
{
    return file.size() < 72 ? Bytes{} : Bytes(file.begin() + 70, file.end() - 2);
}

QStringList TabTexts(const TfrmVarGDB &gdb)
{
    QStringList texts;
    for (int i = 0; i < gdb.tabs()->count(); ++i) {
        texts << gdb.tabs()->tabText(i);
    }
    return texts;
}

class GdbEditor : public ::testing::Test {
protected:
    // Saves under a new name; the file's bytes.
    Bytes save(const QString &name)
    {
        gdb.FileName.clear();
        dialogs->fileNames.push_back(frame.path(name));
        EXPECT_TRUE(gdb.SaveFile());
        return ReadBytes(frame.path(name));
    }

    void chooseStyle(GraphType type, int row, int code)
    {
        gdb.styleGrid(type)->styleButton(row)->menu()->actions().at(code)->trigger();
    }

    EquationBox *equation(int row) const
    {
        return gdb.equationGrid(gdb.graphType())->equationBox(row);
    }

    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarGDB gdb{frame};
};

TEST_F(GdbEditor, NewGdbsOfBothModels)
{
    gdb.prepareNew(false, 4);
    EXPECT_EQ(gdb.windowTitle(), "Untitled4 [TI-83 GDB]");
    ASSERT_EQ(gdb.nameBox()->count(), 10);
    EXPECT_EQ(gdb.nameBox()->itemText(9), "GDB0");
    EXPECT_EQ(gdb.typeBox()->currentText(), "Function");
    EXPECT_EQ(TabTexts(gdb), (QStringList{"Functions", "Window Settings", "Graph Styles"}));
    EXPECT_EQ(gdb.windowGrid(GraphType::Function)->cellText(6, 0), "Xres");
    EXPECT_EQ(gdb.styleGrid(GraphType::Function)->styleButton(9)->text(), "Line");
    EXPECT_FALSE(gdb.isModified());
    const Bytes file83 = save(QStringLiteral("new.83d"));
    EXPECT_EQ(dialogs->fileRequests.back().title, "Save TI-83 Graph Database");
    EXPECT_EQ(dialogs->fileRequests.back().filter,
              "TI-83 Graph Database (*.83d)|*.83d|All Files (*.*)|*.*");
    EXPECT_EQ(gdb.windowTitle(), "new.83d [TI-83 GDB]");
    const Bytes data83 = Data(file83);
    ASSERT_EQ(data83.size(), 110u);
    EXPECT_EQ(Bytes(data83.begin(), data83.begin() + 9),
              (Bytes{0x6C, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0x80}));
    EXPECT_EQ(Bytes(data83.begin() + 70, data83.begin() + 83),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0x00, 0x00}));

    gdb.prepareNew(true, 5);
    EXPECT_EQ(gdb.nameBox()->count(), 6);
    EXPECT_EQ(TabTexts(gdb), (QStringList{"Functions", "Window Settings"}));
    EXPECT_FALSE(gdb.formatMenu()->choice(vardata::kExprGroup, 0)->isVisible());
    EXPECT_FALSE(gdb.formatMenu()->choice(vardata::kAxesGroup, 2)->isVisible());
    const Bytes data82 = Data(save(QStringLiteral("new.82d")));
    ASSERT_EQ(data82.size(), 89u);
    EXPECT_EQ(Word(data82, 0), 0x57);
}

TEST_F(GdbEditor, EveryChangeCountsAsModified)
{
    gdb.prepareNew(false, 1);
    const auto changes = [this](const char *what, const std::function<void()> &change) {
        gdb.setModified(false);
        change();
        EXPECT_TRUE(gdb.isModified()) << what;
    };
    changes("name", [this] { gdb.nameBox()->setCurrentIndex(3); });
    changes("equation", [this] { equation(2)->insertPlainText(QStringLiteral("X")); });
    changes("selection", [this] { gdb.equationGrid(GraphType::Function)->setSelected(1, true); });
    changes("window value", [this] {
        gdb.windowGrid(GraphType::Function)->item(0, 1)->setText(QStringLiteral("-5"));
    });
    changes("format", [this] { gdb.formatMenu()->choice(0, 1)->trigger(); });
    changes("type", [this] { gdb.typeBox()->setCurrentIndex(2); });
    // A style too: closing would otherwise lose it without a question.
    changes("style", [this] { chooseStyle(GraphType::Polar, 0, 6); });
    EXPECT_EQ(gdb.styleGrid(GraphType::Polar)->styleButton(0)->text(), "Dot");
}

TEST_F(GdbEditor, TheFileHoldsWhatTheWindowShows)
{
    gdb.prepareNew(false, 1);
    gdb.nameBox()->setCurrentIndex(9);
    gdb.formatMenu()->choice(0, 1)->trigger(); // Dot
    equation(0)->setPlainText(QStringLiteral("sin(X)"));
    gdb.equationGrid(GraphType::Function)->setSelected(0, true);
    chooseStyle(GraphType::Function, 1, 6);
    gdb.windowGrid(GraphType::Function)->item(0, 1)->setText(QStringLiteral("-10"));
    const Bytes file = save(QStringLiteral("f.83d"));
    const Bytes data = Data(file);
    EXPECT_EQ(file[61], 0x09);
    EXPECT_EQ(data[4], 0x01);
    EXPECT_EQ(data[7], 0x80); // -10
    EXPECT_EQ(data[7 + 63 + 1], 0x06);
    EXPECT_EQ(Bytes(data.begin() + 80, data.begin() + 86),
              (Bytes{0x23, 0x03, 0x00, 0xC2, 0x58, 0x11}));

    TfrmVarGDB reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(frame.path(QStringLiteral("f.83d"))));
    EXPECT_FALSE(reloaded.isModified());
    EXPECT_EQ(reloaded.nameBox()->currentText(), "GDB0");
    EXPECT_TRUE(reloaded.formatMenu()->choice(0, 1)->isChecked());
    EXPECT_EQ(reloaded.equationGrid(GraphType::Function)->equationBox(0)->toPlainText(), "sin(X)");
    EXPECT_TRUE(reloaded.equationGrid(GraphType::Function)->isSelected(0));
    EXPECT_EQ(reloaded.windowGrid(GraphType::Function)->cellText(0, 1), "-10");
    EXPECT_EQ(reloaded.styleGrid(GraphType::Function)->styleButton(1)->text(), "Dot");
    reloaded.FileName.clear();
    dialogs->fileNames.push_back(frame.path(QStringLiteral("again.83d")));
    ASSERT_TRUE(reloaded.SaveFile());
    EXPECT_EQ(ReadBytes(frame.path(QStringLiteral("again.83d"))), file);
}

TEST_F(GdbEditor, EachGraphTypeHasItsRowsAndKeepsThemWhileTheWindowIsOpen)
{
    gdb.prepareNew(false, 1);
    equation(0)->setPlainText(QStringLiteral("X"));
    EXPECT_FALSE(gdb.formatMenu()->choice(vardata::kAxesGroup, 4)->isEnabled());

    gdb.typeBox()->setCurrentText(QStringLiteral("Sequence"));
    EXPECT_EQ(gdb.equationGrid(GraphType::Sequence)->rowCount(), 3);
    EXPECT_EQ(gdb.windowGrid(GraphType::Sequence)->rowCount(), 16);
    EXPECT_EQ(gdb.windowGrid(GraphType::Sequence)->cellText(15, 0), "w(nMin)");
    EXPECT_EQ(gdb.styleGrid(GraphType::Sequence)->rowCount(), 3);
    ASSERT_TRUE(gdb.formatMenu()->choice(vardata::kAxesGroup, 4)->isEnabled());
    gdb.formatMenu()->choice(vardata::kAxesGroup, 4)->trigger(); // uw
    gdb.formatMenu()->choice(vardata::kExprGroup, 1)->trigger(); // ExprOff
    equation(2)->setPlainText(QStringLiteral("w(n-1)"));
    const Bytes sequence = Data(save(QStringLiteral("s.83d")));
    EXPECT_EQ(Bytes(sequence.begin() + 3, sequence.begin() + 7), (Bytes{0x80, 0x00, 0x90, 0x01}));
    EXPECT_EQ(sequence.size(), 7u + 144 + 3 + 3 + 3 + 3 + 8);

    gdb.typeBox()->setCurrentText(QStringLiteral("Parametric"));
    ASSERT_EQ(gdb.styleGrid(GraphType::Parametric)->rowCount(), 6);
    EXPECT_EQ(gdb.styleGrid(GraphType::Parametric)->item(5, 0)->text(), "X6T Y6T");
    chooseStyle(GraphType::Parametric, 5, 4);
    const Bytes parametric = Data(save(QStringLiteral("p.83d")));
    EXPECT_EQ(parametric.size(), 130u);
    EXPECT_EQ(parametric[7 + 81 + 5], 0x04);

    // Back to Function: Y1 is still there.
    gdb.typeBox()->setCurrentText(QStringLiteral("Function"));
    EXPECT_EQ(equation(0)->toPlainText(), "X");
    EXPECT_EQ(gdb.equationGrid(GraphType::Sequence)->equationBox(2)->toPlainText(), "w(n-1)");
}

TEST_F(GdbEditor, RefusalsWriteNothingAndPointAtTheCulprit)
{
    gdb.prepareNew(true, 1);
    const QString path = frame.path(QStringLiteral("r.82d"));
    const Bytes before = save(QStringLiteral("r.82d"));

    gdb.typeBox()->setCurrentText(QStringLiteral("Polar"));
    gdb.windowGrid(GraphType::Polar)->item(7, 1)->setText(QStringLiteral("2*pi"));
    EXPECT_FALSE(gdb.SaveFile());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("θmax: ") + QString::fromLatin1(varfile::kInvalidRealMessage));
    EXPECT_EQ(gdb.tabs()->currentIndex(), 1);
    EXPECT_EQ(gdb.windowGrid(GraphType::Polar)->currentRow(), 7);
    EXPECT_EQ(ReadBytes(path), before);

    gdb.windowGrid(GraphType::Polar)->item(7, 1)->setText(QStringLiteral("6.28"));
    equation(3)->setPlainText(QStringLiteral("2θ+#"));
    EXPECT_FALSE(gdb.SaveFile());
    EXPECT_EQ(dialogs->shown.back().text, "Invalid token found.");
    EXPECT_EQ(gdb.tabs()->currentIndex(), 0);
    EXPECT_EQ(equation(3)->textCursor().position(), 3);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(gdb.isModified());
    EXPECT_EQ(gdb.windowTitle(), "r.82d [TI-82 GDB]");

    // A damaged file opens with what it holds and the message.
    WriteBytes(frame.path(QStringLiteral("cut.82d")), Bytes(before.begin(), before.begin() + 100));
    TfrmVarGDB damaged(frame);
    EXPECT_TRUE(damaged.LoadFile(frame.path(QStringLiteral("cut.82d"))));
    EXPECT_EQ(dialogs->shown.back().text, "Error reading GDB file.");
}

TEST_F(GdbEditor, EquationsItCannotShowAreNotReplacedUnasked)
{
    vardata::GdbVariable odd = vardata::NewGdb(varfile::CalcModel::TI82, GraphType::Polar);
    odd.equations[2].tokens = {0x58, 0xEB}; // X and a byte no TI-82 token uses
    const QString path = frame.path(QStringLiteral("odd.82d"));
    const Bytes file = vardata::BuildGdbFile(odd).file;
    WriteBytes(path, file);
    ASSERT_TRUE(gdb.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    // The X at 70 + 5 + 81 + 6 + 3, the odd byte after it.
    EXPECT_TRUE(dialogs->shown[0].text.contains("at byte offset 166"))
        << dialogs->shown[0].text.toStdString();
    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_FALSE(gdb.SaveFile());
    EXPECT_EQ(ReadBytes(path), file);
}

TEST_F(GdbEditor, KeypadsTypeIntoTheLastFocusedEquation)
{
    gdb.prepareNew(true, 1);
    gdb.keypadButton()->click();
    EXPECT_EQ(frame.keypadsShown, QList<varfile::CalcModel>{varfile::CalcModel::TI82});
    frame.mdiArea().addSubWindow(&gdb);
    frame.mdiArea().show();
    frame.mdiArea().setActiveSubWindow(frame.mdiArea().subWindowList().front());

    using tibasic::ui::InsertOutcome;
    using tibasic::ui::InsertToken;
    // Nothing focused yet: Y1.
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI82, "X"), InsertOutcome::Inserted);
    EXPECT_EQ(equation(0)->toPlainText(), "X");

    equation(4)->setPlainText(QStringLiteral("AB"));
    // The user clicks into Y5 (offscreen windows never get the focus themselves).
    QFocusEvent click(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(equation(4), &click);
    QTextCursor cursor = equation(4)->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(1, QTextCursor::KeepAnchor); // "A" selected
    equation(4)->setTextCursor(cursor);
    gdb.tabs()->setCurrentIndex(1);
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI82, "sin "), InsertOutcome::Inserted);
    EXPECT_EQ(equation(4)->toPlainText(), "Asin B");
    EXPECT_EQ(gdb.tabs()->currentIndex(), 0);

    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI83, "sin("), InsertOutcome::Warned);
    EXPECT_EQ(dialogs->shown.back().text,
              "You cannot insert tokens from the TI-83 keypad into a TI-82 GDB.");
}

} // namespace
} // namespace vexil::vareditors
