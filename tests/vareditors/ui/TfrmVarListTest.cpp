// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarList.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "vareditors/ListVariable.h"
#include "varfile/RealText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;
using vardata::ListElement;

class ListEditor : public ::testing::Test {
protected:
    void type(const QString &entry)
    {
        QListWidget *rows = list.rowList();
        QTest::keyClick(rows, entry[0].toLatin1());
        QTest::keyClicks(list.editBox(), entry.mid(1));
        QTest::keyClick(list.editBox(), Qt::Key_Return);
    }

    void load(const vardata::ListVariable &variable)
    {
        const QString path = frame.path(QStringLiteral("load.83l"));
        WriteBytes(path, vardata::BuildListFile(variable).file);
        ASSERT_TRUE(list.LoadFile(path));
    }

    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarList list{frame};
};

TEST_F(ListEditor, TypingOnTheEmptyRowAppendsAndSaves)
{
    list.prepareNew(false, 3);
    EXPECT_EQ(list.windowTitle(), "Untitled3 [TI-83 List]");
    ASSERT_EQ(list.rowList()->count(), 1);

    type(QStringLiteral("5"));
    ASSERT_EQ(list.elements().size(), 1u);
    EXPECT_EQ(list.elements()[0].re, 5.0);
    EXPECT_EQ(list.rowList()->count(), 2);
    EXPECT_EQ(list.rowList()->currentRow(), 1);
    EXPECT_TRUE(list.isModified());

    const QString path = frame.path(QStringLiteral("list1.83l"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(list.SaveFile());
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-83 List");
    EXPECT_EQ(dialogs->fileRequests[0].filter, "TI-83 Lists (*.83l)|*.83l|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].defaultSuffix, "83l");
    EXPECT_EQ(list.windowTitle(), "list1.83l [TI-83 List]");
    EXPECT_FALSE(list.isModified());
    EXPECT_EQ(frame.recentFiles, QStringList{path});
    const auto bytes = ReadBytes(path);
    EXPECT_EQ(Word(bytes, 70), 1);
}

TEST_F(ListEditor, EditingExistingElements)
{
    vardata::ListVariable variable;
    variable.complex = true;
    variable.elements = {{1.0, 2.0}};
    load(variable);
    EXPECT_TRUE(list.complexBox()->isChecked());
    EXPECT_EQ(list.rowList()->item(0)->text(), "1+2i");

    // A plain real typed on a complex element replaces only the real part.
    list.rowList()->setCurrentRow(0);
    type(QStringLiteral("7"));
    EXPECT_EQ(list.elements()[0], (ListElement{7.0, 2.0}));

    // Enter opens the element's own text; "+-" reads as "-".
    list.rowList()->setCurrentRow(0);
    QTest::keyClick(list.rowList(), Qt::Key_Return);
    EXPECT_EQ(list.editBox()->text(), "7+2i");
    list.editBox()->setText(QStringLiteral("3-4i"));
    QTest::keyClick(list.editBox(), Qt::Key_Up);
    EXPECT_EQ(list.elements()[0], (ListElement{3.0, -4.0}));
    EXPECT_FALSE(list.isEditing());

    // A complex list refuses every bad entry with the complex message, and keeps the value.
    list.rowList()->setCurrentRow(0);
    type(QStringLiteral("2i"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidComplexMessage);
    // Parts of 1E100 cannot be stored, so they are refused too.
    list.rowList()->setCurrentRow(0);
    type(QStringLiteral("1+1E100i"));
    EXPECT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(list.elements()[0], (ListElement{3.0, -4.0}));

    // Unchecking shows the real parts and keeps the imaginary ones.
    list.complexBox()->setChecked(false);
    EXPECT_EQ(list.rowList()->item(0)->text(), "3");
    list.complexBox()->setChecked(true);
    EXPECT_EQ(list.rowList()->item(0)->text(), "3-4i");
}

TEST_F(ListEditor, RealEntriesAreRangeChecked)
{
    list.prepareNew(true, 1);
    EXPECT_FALSE(list.complexBox()->isEnabled());
    type(QStringLiteral("2"));
    list.rowList()->setCurrentRow(0);
    type(QStringLiteral("1E100"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidRealMessage);
    EXPECT_EQ(list.elements()[0].re, 2.0);
    // An empty entry changes nothing and says nothing.
    list.rowList()->setCurrentRow(1);
    QTest::keyClick(list.rowList(), Qt::Key_Return);
    QTest::keyClick(list.editBox(), Qt::Key_Return);
    EXPECT_EQ(list.elements().size(), 1u);
    EXPECT_EQ(dialogs->shown.size(), 1u);
}

TEST_F(ListEditor, DeleteAndInsert)
{
    vardata::ListVariable variable;
    variable.elements = {{1.0, 0}, {2.0, 0}, {3.0, 0}, {4.0, 0}};
    load(variable);

    // Insert on the third row.
    list.rowList()->setCurrentRow(2);
    QTest::keyClick(list.rowList(), Qt::Key_Insert);
    std::vector<double> values;
    for (const ListElement &element : list.elements()) {
        values.push_back(element.re);
    }
    EXPECT_EQ(values, (std::vector<double>{1, 2, 0, 3, 4}));
    EXPECT_EQ(list.rowList()->currentRow(), 2);
    EXPECT_EQ(list.rowList()->count(), 6);

    // Delete on the empty last row does nothing; elsewhere it removes the element.
    list.rowList()->setCurrentRow(5);
    QTest::keyClick(list.rowList(), Qt::Key_Delete);
    EXPECT_EQ(list.elements().size(), 5u);
    for (int i = 0; i < 5; ++i) {
        list.rowList()->setCurrentRow(0);
        QTest::keyClick(list.rowList(), Qt::Key_Delete);
    }
    EXPECT_TRUE(list.elements().empty());
    EXPECT_EQ(list.rowList()->count(), 1);

    ASSERT_TRUE(list.SaveFile());
    const auto bytes = ReadBytes(list.FileName);
    EXPECT_EQ(Word(bytes, 70), 0);
    EXPECT_EQ(bytes.size(), 74u);
}

TEST_F(ListEditor, NineHundredNinetyNineElementsIsTheLimit)
{
    vardata::ListVariable variable;
    variable.elements.assign(vardata::kMaxListElements, ListElement{1.0, 0.0});
    load(variable);
    list.rowList()->setCurrentRow(static_cast<int>(vardata::kMaxListElements));
    type(QStringLiteral("5"));
    list.rowList()->setCurrentRow(0);
    QTest::keyClick(list.rowList(), Qt::Key_Insert);
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[0].text, kListFullMessage);
    EXPECT_EQ(dialogs->shown[1].text, kListFullMessage);
    EXPECT_EQ(list.elements().size(), vardata::kMaxListElements);
}

TEST_F(ListEditor, NamesAndDamagedFiles)
{
    // A typed name: the second name byte and the following non-zero ones.
    vardata::ListVariable variable;
    variable.name = "ABC";
    variable.elements = {{1.0, 0}, {2.0, 0}};
    load(variable);
    EXPECT_EQ(list.nameBox()->currentText(), "ABC");
    EXPECT_TRUE(dialogs->shown.empty());

    // Each typed character is one name byte; θ is theta like "@".
    list.nameBox()->setEditText(QStringLiteral("Aθ") + QChar(0xC1));
    ASSERT_TRUE(list.SaveFile());
    auto saved = ReadBytes(list.FileName);
    EXPECT_EQ((std::vector<std::uint8_t>(saved.begin() + 60, saved.begin() + 68)),
              (std::vector<std::uint8_t>{0x5D, 0x41, 0x5B, 0xC1, 0, 0, 0, 0}));
    ASSERT_TRUE(list.LoadFile(list.FileName));
    EXPECT_EQ(list.nameBox()->currentText(), QStringLiteral("A@") + QChar(0xC1));

    // A file that ends inside the second element: message, first element kept, clean.
    auto bytes = vardata::BuildListFile(variable).file;
    bytes.resize(72 + 9 + 3);
    const QString cut = frame.path(QStringLiteral("cut.83l"));
    WriteBytes(cut, bytes);
    EXPECT_TRUE(list.LoadFile(cut));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading list file.");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Error);
    EXPECT_EQ(list.elements().size(), 1u);
    EXPECT_FALSE(list.isModified());
    EXPECT_EQ(list.windowTitle(), "cut.83l [TI-83 List]");
}

TEST_F(ListEditor, CloseQuestionOnlyForChanges)
{
    list.prepareNew(false, 4);
    EXPECT_TRUE(list.CloseQuery());
    EXPECT_TRUE(dialogs->shown.empty());

    type(QStringLiteral("1"));
    dialogs->answers.push_back(uibase::Answer::Cancel);
    EXPECT_FALSE(list.CloseQuery());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Untitled4 [TI-83 List] has changed.  Save now?");
    // Yes with a cancelled save dialog keeps the window.
    dialogs->answers.push_back(uibase::Answer::Yes);
    dialogs->fileNames.push_back(QString());
    EXPECT_FALSE(list.CloseQuery());
    EXPECT_TRUE(list.FileName.isEmpty());
}

TEST_F(ListEditor, AnOpenEntryIsNotLostOnClosing)
{
    list.prepareNew(false, 5);
    list.rowList()->setCurrentRow(0);
    QTest::keyClick(list.rowList(), '8');
    ASSERT_TRUE(list.isEditing());

    const QString path = frame.path(QStringLiteral("open.83l"));
    dialogs->answers.push_back(uibase::Answer::Yes);
    dialogs->fileNames.push_back(path);
    EXPECT_TRUE(list.CloseQuery());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    const auto bytes = ReadBytes(path);
    EXPECT_EQ(Word(bytes, 70), 1);
    EXPECT_EQ(bytes[73], 0x80);
    EXPECT_EQ(bytes[74], 0x80);
}

} // namespace
} // namespace vexil::vareditors
