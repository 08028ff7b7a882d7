// SPDX-License-Identifier: GPL-3.0-or-later
// Group files against an independent implementation of the container: the TI file
// library must read what Vexil writes, and Vexil must list and take apart, byte for
// byte, the groups the library makes.
#include "base/FileIo.h"
#include "varfile/group/GroupEntryText.h"
#include "varfile/group/GroupFile.h"

#include "GroupTestFiles.h"

// The library's C headers use the C99 keyword, which C++ spells differently.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <glib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

namespace vexil::group {
namespace {

using namespace test;
namespace fs = std::filesystem;

::CalcModel LibraryModel(CalcModel model)
{
    return model == CalcModel::TI82 ? CALC_TI82 : CALC_TI83;
}

struct Variable {
    std::uint8_t type;
    VarName name;
    Bytes data;
};

class TifilesGroups : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tifiles_library_init(); }
    static void TearDownTestSuite() { tifiles_library_exit(); }

    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("vexil-tifiles-group-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string &name, const Bytes &bytes)
    {
        const fs::path path = folder_ / name;
        EXPECT_FALSE(base::WriteFileAtomically(path, bytes));
        return path;
    }

    // What the library reads from `path`: every entry as a variable.
    static std::vector<Variable> LibraryRead(const fs::path &path, CalcModel model)
    {
        std::vector<Variable> read;
        ::FileContent *content = tifiles_content_create_regular(LibraryModel(model));
        EXPECT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);
        EXPECT_EQ(content->model, LibraryModel(model));
        EXPECT_EQ(content->checksum, content->stored_checksum);
        for (unsigned i = 0; i < content->num_entries; ++i) {
            const ::VarEntry *entry = content->entries[i];
            Variable variable{entry->type, {}, Bytes(entry->data, entry->data + entry->size)};
            std::memcpy(variable.name.data(), entry->name,
                        std::min(std::strlen(entry->name), variable.name.size()));
            read.push_back(variable);
        }
        tifiles_content_delete_regular(content);
        return read;
    }

    // A group file of `variables` as the library writes it.
    fs::path LibraryGroup(const std::string &name, CalcModel model,
                          const std::vector<Variable> &variables)
    {
        ::FileContent *content = tifiles_content_create_regular(LibraryModel(model));
        std::strcpy(content->comment, "made by the TI file library");
        for (const Variable &variable : variables) {
            ::VarEntry *entry = tifiles_ve_create_alloc_data(variable.data.size());
            std::memcpy(entry->name, variable.name.data(), variable.name.size());
            entry->type = variable.type;
            entry->size = static_cast<std::uint32_t>(variable.data.size());
            std::memcpy(entry->data, variable.data.data(), variable.data.size());
            tifiles_content_add_entry(content, entry);
        }
        const fs::path path = folder_ / name;
        EXPECT_EQ(tifiles_file_write_regular(path.c_str(), content, nullptr), 0);
        tifiles_content_delete_regular(content);
        return path;
    }

    fs::path folder_;
};

const std::vector<Variable> &SomeVariables83()
{
    static const std::vector<Variable> variables = {
        {0x00, Name({'A'}), {0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0}},
        {0x05, Name({'H', 'E', 'L', 'L', 'O', 0x5B}), {0x03, 0x00, 0xDE, 0x2A, 0x3F}},
        {0x01, Name({0x5D, 0x01}), {0x01, 0x00, 0x00, 0x80, 0x20, 0, 0, 0, 0, 0, 0}},
        {0x04, Name({0xAA, 0x09}), {0x02, 0x00, 0x41, 0x42}},
        {0x07, Name({0x60, 0x09}), Bytes(758, 0xA5)},
        {0x03, Name({0x5E, 0x10}), {0x01, 0x00, 0x58}},
    };
    return variables;
}

Bytes EntryOf(const Variable &variable)
{
    return Entry(variable.type, variable.name, variable.data);
}

TEST_F(TifilesGroups, TheLibraryReadsGroupsAndExtractedFilesVexilWrites)
{
    for (CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        SCOPED_TRACE(varfile::ModelDigits(model));
        std::vector<Variable> variables = {SomeVariables83()[0], SomeVariables83()[1],
                                           SomeVariables83()[2]};
        // The first element holds two variables, as an added two-variable file does.
        const std::vector<GroupElement> elements = {
            Concat({EntryOf(variables[0]), EntryOf(variables[1])}), EntryOf(variables[2])};
        const BuiltGroup built = BuildGroupFile(model, elements);
        ASSERT_TRUE(built.ok());
        const fs::path path =
            write(std::string("vexil.") + varfile::ModelDigits(model) + "g", built.file);
        ASSERT_TRUE(tifiles_file_is_group(path.c_str()));
        const std::vector<Variable> read = LibraryRead(path, model);
        ASSERT_EQ(read.size(), variables.size());
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].type, variables[i].type);
            EXPECT_EQ(read[i].name, variables[i].name);
            EXPECT_EQ(read[i].data, variables[i].data);
        }

        const fs::path single = write(std::string("list.") + varfile::ModelDigits(model) + "l",
                                      *ExtractedFile(model, elements[1]));
        const std::vector<Variable> alone = LibraryRead(single, model);
        ASSERT_EQ(alone.size(), 1u);
        EXPECT_EQ(alone[0].data, variables[2].data);
    }
}

TEST_F(TifilesGroups, GroupsTheLibraryMakesAreListedAndTakenApartByteForByte)
{
    const fs::path path = LibraryGroup("library.83g", CalcModel::TI83, SomeVariables83());
    const LoadedGroup group = ParseGroupFile(base::ReadWholeFile(path).bytes);
    ASSERT_TRUE(group.complete()) << group.problem;
    EXPECT_EQ(group.model, CalcModel::TI83);
    ASSERT_EQ(group.elements.size(), SomeVariables83().size());

    std::vector<std::string> lines;
    for (const GroupElement &element : group.elements) {
        const EntrySummary entry = *FirstEntry(element);
        lines.push_back(TypeText(group.model, entry.typeId) + " " +
                        ShownName(group.model, entry, NameGlyphs::Plain));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"REAL A", "PRGM HELLOθ", "LIST L2", "STRNG Str0",
                                               "PIC Pic0", "EQU Y1"}));

    // The library's own ungrouping, which writes into the current folder, makes
    // the same data sections Extract does.
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    char **ungrouped = nullptr;
    const int ungroupResult = tifiles_ungroup_file(path.c_str(), &ungrouped);
    fs::current_path(previous);
    ASSERT_EQ(ungroupResult, 0);
    for (std::size_t i = 0; i < group.elements.size(); ++i) {
        ASSERT_NE(ungrouped[i], nullptr);
        SCOPED_TRACE(ungrouped[i]);
        EXPECT_EQ(group.elements[i], EntryOf(SomeVariables83()[i]));
        const Bytes theirs = base::ReadWholeFile(folder_ / ungrouped[i]).bytes;
        const Bytes ours = *ExtractedFile(group.model, group.elements[i]);
        ASSERT_GT(theirs.size(), 53u);
        EXPECT_EQ(Bytes(ours.begin() + 53, ours.end()), Bytes(theirs.begin() + 53, theirs.end()));
        EXPECT_EQ(ExtractPath(folder_, group.model, group.elements[i]).parent_path(), folder_);
    }
    EXPECT_EQ(ungrouped[group.elements.size()], nullptr);
    g_strfreev(ungrouped);
}

} // namespace
} // namespace vexil::group
