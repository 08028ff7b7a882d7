// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/ui/TfrmGroup.h"

#include "base/ui/EditorRegistry.h"
#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "varfile/group/GroupEntryText.h"
#include "varfile/group/GroupTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace vexil::group::ui {
namespace {

using namespace group::test;
using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using testing::WriteBytes;
using uibase::Answer;
using uibase::EditCommand;
using uibase::MessageKind;
using uibase::ScopedScriptedDialogs;

const Bytes &PicZero()
{
    static const Bytes entry = Entry(0x07, Name({0x60, 0x09}), Bytes(758, 0x0F));
    return entry;
}

const Bytes &ProgramTheta()
{
    static const Bytes entry = Entry(0x05, Name({'H', 'I', 0x5B}), {0x01, 0x00, 0x3F});
    return entry;
}

class GroupEditor : public ::testing::Test {
protected:
    QString write(const QString &name, const Bytes &bytes)
    {
        const QString path = frame.path(name);
        WriteBytes(path, bytes);
        return path;
    }

    QStringList lines(const TfrmGroup &window) const
    {
        QStringList out;
        QTreeWidget *list = window.list();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            out << list->topLevelItem(row)->text(0) + " " + list->topLevelItem(row)->text(1);
        }
        return out;
    }

    // A saved TI-83 group of a real, a picture, a program and a list.
    QString savedGroup()
    {
        return write(
            QStringLiteral("saved.83g"),
            FileOf(CalcModel::TI83, Concat({RealA(), PicZero(), ProgramTheta(), ListL6()})));
    }

    void select(TfrmGroup &window, std::initializer_list<int> rows)
    {
        window.list()->clearSelection();
        for (int row : rows) {
            window.list()->topLevelItem(row)->setSelected(true);
        }
    }

    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
};

TEST_F(GroupEditor, AnEmptyGroupIsNeverWritten)
{
    TfrmGroup group(frame);
    group.prepareNew(true, 4);
    EXPECT_EQ(group.windowTitle(), "Untitled4 [TI-82 Group]");
    EXPECT_TRUE(group.SaveFile());
    EXPECT_TRUE(dialogs->fileRequests.empty());
    EXPECT_TRUE(QDir(frame.folder.path()).isEmpty());

    // Emptied and saved, also through Save As: the file on disk and the window's
    // name stay as they were.
    const QString path = savedGroup();
    const Bytes before = ReadBytes(path);
    TfrmGroup loaded(frame);
    ASSERT_TRUE(loaded.LoadFile(path));
    loaded.runEditCommand(EditCommand::SelectAll);
    loaded.RemoveClick();
    EXPECT_TRUE(loaded.elements().empty());
    EXPECT_TRUE(loaded.SaveFile());
    EXPECT_TRUE(loaded.SaveAs());
    EXPECT_EQ(loaded.FileName, path);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(dialogs->fileRequests.empty());
}

TEST_F(GroupEditor, AddRefusesOtherModelsGroupsAndBackupsWithTheirPath)
{
    TfrmGroup group(frame);
    group.prepareNew(true, 1);
    const QString list83 = write(QStringLiteral("L6.83l"), FileOf(CalcModel::TI83, ListL6()));
    const QString group82 = write(QStringLiteral("OTHER.82G"), FileOf(CalcModel::TI82, RealA()));
    const QString damaged = write(QStringLiteral("cut.82n"), Bytes(60, 0));
    dialogs->fileNames.push_back(list83 + "\n" + group82 + "\n" + damaged);
    group.AddClick();

    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, "Add Files to Group...");
    EXPECT_TRUE(dialogs->fileRequests[0].filter.startsWith("All Calculator Files|*.8??|"));
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[0].text, "Cannot add " + list83 + ".  This file is not a TI-82 file.");
    EXPECT_EQ(dialogs->shown[1].text, "Cannot add a group or a backup to a group file.");
    EXPECT_EQ(dialogs->shown[2].text, "Error reading file " + damaged + ".");
    EXPECT_TRUE(group.elements().empty());
    EXPECT_FALSE(group.isModified());
}

TEST_F(GroupEditor, ATwoVariableFileIsOneLineUntilSavedAndReloaded)
{
    TfrmGroup group(frame);
    group.prepareNew(false, 1);
    const QString two = write(QStringLiteral("two.83p"),
                              FileOf(CalcModel::TI83, Concat({ProgramTheta(), ListL6()})));
    const QString pic = write(QStringLiteral("Pic0.83i"), FileOf(CalcModel::TI83, PicZero()));
    dialogs->fileNames.push_back(two + "\n" + pic);
    group.AddClick();
    EXPECT_EQ(lines(group), (QStringList{"PRGM HIθ", "PIC Pic0"}));
    EXPECT_TRUE(group.isModified());

    const QString path = frame.path(QStringLiteral("new.83g"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(group.SaveFile());
    const uibase::FileDialogRequest &request = dialogs->fileRequests.back();
    EXPECT_EQ(request.title, "Save Group File");
    EXPECT_EQ(request.filter, "Group Files|*.8?g|All Files|*.*");
    EXPECT_EQ(request.defaultSuffix, "83g");
    EXPECT_EQ(group.windowTitle(), "new.83g [TI-83 Group]");
    EXPECT_EQ(frame.recentFiles, QStringList{path});
    EXPECT_FALSE(group.isModified());
    const Bytes written = ReadBytes(path);
    EXPECT_EQ(written, FileOf(CalcModel::TI83, Concat({ProgramTheta(), ListL6(), PicZero()})));

    TfrmGroup reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(lines(reloaded), (QStringList{"PRGM HIθ", "LIST L₆", "PIC Pic0"}));
    EXPECT_EQ(reloaded.windowTitle(), "new.83g [TI-83 Group]");
    EXPECT_FALSE(reloaded.IsTI82);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(GroupEditor, ExtractWritesTheSelectedLinesOrAllAndAsksBeforeReplacing)
{
    TfrmGroup empty(frame);
    empty.ExtractClick();
    EXPECT_EQ(dialogs->beeps, 1);

    TfrmGroup group(frame);
    ASSERT_TRUE(group.LoadFile(savedGroup()));
    const QString out = frame.path(QStringLiteral("out"));
    QDir().mkpath(out);
    dialogs->fileNames.push_back(out);
    group.ExtractClick();
    EXPECT_EQ(dialogs->fileRequests.back().title, "Select Output Directory");
    const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{"HI@.83p", "L6.83l", "Pic0.83i", "RealA.83n"}));
    EXPECT_EQ(ReadBytes(out + "/Pic0.83i"),
              FileOf(CalcModel::TI83, PicZero(), varfile::CommentWriter::GroupExtract));

    // Only the selected line; No keeps the file there, Yes replaces it.
    WriteBytes(out + "/Pic0.83i", {0x01});
    select(group, {1});
    dialogs->fileNames.push_back(out);
    dialogs->answers.push_back(Answer::No);
    group.ExtractClick();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "The file, " + out + "/Pic0.83i, already exists.  Overwrite?");
    EXPECT_EQ(dialogs->shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(ReadBytes(out + "/Pic0.83i"), Bytes{0x01});
    dialogs->fileNames.push_back(out);
    dialogs->answers.push_back(Answer::Yes);
    group.ExtractClick();
    EXPECT_EQ(ReadBytes(out + "/Pic0.83i").size(), 72u + 758u);

    // A file that cannot be replaced is reported and the rest still extracted.
    QFile::remove(out + "/RealA.83n");
    QDir().mkpath(out + "/RealA.83n/full");
    select(group, {0, 3});
    dialogs->fileNames.push_back(out);
    dialogs->answers = {Answer::Yes, Answer::Yes};
    group.ExtractClick();
    ASSERT_GE(dialogs->shown.size(), 3u);
    const auto &error = dialogs->shown[dialogs->shown.size() - 2];
    EXPECT_EQ(error.text, "Error writing file " + out + "/RealA.83n.");
    EXPECT_EQ(error.kind, MessageKind::Error);
    EXPECT_EQ(dialogs->shown.back().text,
              "The file, " + out + "/L6.83l, already exists.  Overwrite?");
    EXPECT_TRUE(dialogs->answers.empty());
}

TEST_F(GroupEditor, RemoveNeedsASelectionAndMarksTheGroupChanged)
{
    const QString path = savedGroup();
    TfrmGroup group(frame);
    ASSERT_TRUE(group.LoadFile(path));
    EXPECT_FALSE(group.isModified());
    group.RemoveClick();
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_FALSE(group.isModified());

    select(group, {1, 3});
    group.RemoveClick();
    EXPECT_EQ(lines(group), (QStringList{"REAL A", "PRGM HIθ"}));
    EXPECT_TRUE(group.isModified());
    dialogs->answers.push_back(Answer::Cancel);
    EXPECT_FALSE(group.CloseQuery());
    EXPECT_EQ(dialogs->shown.back().text, path + " has changed.  Save now?");
}

TEST_F(GroupEditor, ADamagedGroupKeepsTheWholeEntries)
{
    Bytes file = FileOf(CalcModel::TI82, Concat({RealA(), ProgramTheta(), ListL6()}));
    file.erase(file.end() - 6, file.end() - 2);
    TfrmGroup group(frame);
    ASSERT_TRUE(group.LoadFile(write(QStringLiteral("cut.82g"), file)));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading group file.");
    EXPECT_EQ(dialogs->shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(group.IsTI82);
    EXPECT_EQ(lines(group), (QStringList{"REAL A", "PRGM HIθ"}));
    EXPECT_FALSE(group.isModified());
}

TEST_F(GroupEditor, EditCommandsMoveLinesBetweenGroupsOfOneModel)
{
    TfrmGroup source(frame);
    ASSERT_TRUE(source.LoadFile(savedGroup()));
    EXPECT_TRUE(source.traits().editCommands);
    source.list()->clearSelection();
    EXPECT_FALSE(source.runEditCommand(EditCommand::Copy));
    EXPECT_FALSE(source.runEditCommand(EditCommand::Delete));

    select(source, {0, 2});
    ASSERT_TRUE(source.runEditCommand(EditCommand::Cut));
    EXPECT_EQ(lines(source), (QStringList{"PIC Pic0", "LIST L₆"}));
    EXPECT_TRUE(source.isModified());

    TfrmGroup other83(frame);
    other83.prepareNew(false, 1);
    ASSERT_TRUE(other83.runEditCommand(EditCommand::Paste));
    EXPECT_EQ(other83.elements(), (std::vector<GroupElement>{RealA(), ProgramTheta()}));
    EXPECT_TRUE(other83.isModified());

    TfrmGroup other82(frame);
    other82.prepareNew(true, 2);
    EXPECT_FALSE(other82.runEditCommand(EditCommand::Paste));
    EXPECT_TRUE(other82.elements().empty());

    ASSERT_TRUE(source.runEditCommand(EditCommand::SelectAll));
    ASSERT_TRUE(source.runEditCommand(EditCommand::Delete));
    EXPECT_TRUE(source.elements().empty());
}

TEST(GroupEditorRegistry, GroupFilesOpenInTheGroupEditor)
{
    uibase::EditorRegistry registry;
    RegisterGroupEditor(registry);
    EXPECT_EQ(registry.classFor(QStringLiteral("/x/a.82g")).windowClass,
              &TfrmGroup::staticMetaObject);
    EXPECT_EQ(registry.classFor(QStringLiteral("/x/a.83G")).windowClass,
              &TfrmGroup::staticMetaObject);
    EXPECT_EQ(registry.classFor(QStringLiteral("/x/a.83l")).windowClass, nullptr);
}

} // namespace
} // namespace vexil::group::ui
