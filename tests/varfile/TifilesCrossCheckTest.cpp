// SPDX-License-Identifier: GPL-3.0-or-later
// Files Vexil writes must be read cleanly by an independent implementation of the
// container: each kind is written, handed to the TI file library and compared
// entry by entry, including the checksum it computes itself.
#include "assemble/ProgramFile.h"
#include "base/FileIo.h"
#include "support/ScratchFolder.h"
#include "varfile/CalcReal.h"
#include "varfile/VarFile.h"

// The library's C headers use the C99 keyword, which C++ spells differently.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <gtest/gtest.h>

#include <cstring>

namespace vexil::varfile {
namespace {

namespace fs = std::filesystem;

class TifilesCrossCheck : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tifiles_library_init(); }
    static void TearDownTestSuite() { tifiles_library_exit(); }

    // Writes `file` under `name` and checks that the library reads back the same
    // model, comment, entries and a checksum that matches the stored one.
    void ExpectReadBack(const std::string &name, const Bytes &file, CalcModel model,
                        const std::vector<VarEntry> &entries)
    {
        SCOPED_TRACE(name);
        const fs::path path = folder_ / name;
        ASSERT_FALSE(base::WriteFileAtomically(path, file));
        ASSERT_TRUE(tifiles_file_is_regular(path.c_str()));

        ::FileContent *content =
            tifiles_content_create_regular(model == CalcModel::TI82 ? CALC_TI82 : CALC_TI83);
        ASSERT_NE(content, nullptr);
        ASSERT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);
        EXPECT_EQ(content->model, model == CalcModel::TI82 ? CALC_TI82 : CALC_TI83);
        EXPECT_EQ(std::memcmp(content->comment, file.data() + 11, std::strlen(content->comment)),
                  0);
        EXPECT_EQ(content->checksum, content->stored_checksum);
        ASSERT_EQ(content->num_entries, entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ::VarEntry *read = content->entries[i];
            EXPECT_EQ(read->type, entries[i].typeId);
            EXPECT_EQ(std::memcmp(read->name, entries[i].name.data(),
                                  std::min(std::strlen(read->name), entries[i].name.size())),
                      0);
            ASSERT_EQ(read->size, entries[i].data.size());
            EXPECT_EQ(Bytes(read->data, read->data + read->size), entries[i].data);
        }
        tifiles_content_delete_regular(content);
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

RealBytes Real(double value, RealKind kind = RealKind::Real)
{
    return *EncodeReal(value, kind);
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes AsBytes(const RealBytes &real)
{
    return Bytes(real.begin(), real.end());
}

TEST_F(TifilesCrossCheck, SingleVariables)
{
    for (CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        const std::string ext = ModelDigits(model);
        const VarEntry real{0x00, *LetterVarName('@'), AsBytes(Real(-123.45))};
        ExpectReadBack("real." + ext + "n",
                       *BuildVarFile(model, WriterComment(CommentWriter::Real), {real}), model,
                       {real});

        const VarEntry list{0x01, *ListVarName(3),
                            Concat({{0x02, 0x00}, AsBytes(Real(1.0 / 3)), AsBytes(Real(1e-99))})};
        ExpectReadBack("list." + ext + "l",
                       *BuildVarFile(model, WriterComment(CommentWriter::List), {list}), model,
                       {list});

        const VarEntry emptyList{0x01, *ListVarName(1), {0x00, 0x00}};
        ExpectReadBack("empty." + ext + "l",
                       *BuildVarFile(model, WriterComment(CommentWriter::List), {emptyList}), model,
                       {emptyList});

        const VarEntry matrix{0x02, *MatrixVarName('B'), Concat({{0x01, 0x01}, AsBytes(Real(7))})};
        ExpectReadBack("matrix." + ext + "m",
                       *BuildVarFile(model, WriterComment(CommentWriter::Matrix), {matrix}), model,
                       {matrix});
    }

    const VarEntry complex{0x0C, *LetterVarName('Z'),
                           Concat({AsBytes(Real(3, RealKind::ComplexHalf)),
                                   AsBytes(Real(-2, RealKind::ComplexHalf))})};
    ExpectReadBack("complex.83c",
                   *BuildVarFile(CalcModel::TI83, WriterComment(CommentWriter::Complex), {complex}),
                   CalcModel::TI83, {complex});

    const VarEntry string{0x04, *StringVarName(0), {0x02, 0x00, 0x41, 0x42}};
    ExpectReadBack("string.83s",
                   *BuildVarFile(CalcModel::TI83, WriterComment(CommentWriter::String), {string}),
                   CalcModel::TI83, {string});
}

TEST_F(TifilesCrossCheck, StepByStepWriting)
{
    Bytes file;
    const VarEntry real{0x00, *LetterVarName('Q'), AsBytes(Real(2.0 / 3))};
    WriteVarFileStart(file, CalcModel::TI82, WriterComment(CommentWriter::Real), real.typeId,
                      real.name);
    file.insert(file.end(), real.data.begin(), real.data.end());
    ASSERT_TRUE(FinishVarFile(file));
    ExpectReadBack("stepwise.82n", file, CalcModel::TI82, {real});
}

TEST_F(TifilesCrossCheck, ProgramsForEveryTarget)
{
    using Target = assemble::ShellTarget;
    const Bytes object = {0x21, 0x00, 0x00, 0xC9};
    struct Case {
        const char *file;
        assemble::ProgramSettings settings;
    };
    std::vector<Case> cases = {
        {"ash.82p", {Target::Ash, "ASH"}},
        {"crash.82p", {Target::CrASH, "CRASH"}},
        {"ti83.83p", {Target::TI83, "HEX@"}},
        {"ashell.83p", {Target::AShell83, "AS83"}},
    };
    cases.push_back({"launch.82p", {Target::Ash, "LAUNCH"}});
    cases.back().settings.homeScreen = true;
    cases.back().settings.editProtect = true;
    cases.push_back({"squish.83p", {Target::TI83, "SQUISH"}});
    cases.back().settings.squish = true;

    for (const Case &c : cases) {
        const assemble::ProgramFileResult program = assemble::BuildProgramFile(object, c.settings);
        ASSERT_TRUE(program.ok()) << program.error;
        const VarEntry entry{program.file[59],
                             [&] {
                                 VarName name{};
                                 std::copy_n(program.file.begin() + 60, 8, name.begin());
                                 return name;
                             }(),
                             Bytes(program.file.begin() + 70, program.file.end() - 2)};
        ExpectReadBack(c.file, program.file, assemble::Describe(c.settings.target).model, {entry});
    }
}

TEST_F(TifilesCrossCheck, GroupFiles)
{
    const std::vector<VarEntry> entries = {
        {0x00, *LetterVarName('A'), AsBytes(Real(5))},
        {0x05, ProgramVarName("PRG"), {0x01, 0x00, 0xD9}},
        {0x01, *ListVarName(6), Concat({{0x01, 0x00}, AsBytes(Real(-1))})},
    };
    ExpectReadBack("group.83g",
                   *BuildVarFile(CalcModel::TI83, WriterComment(CommentWriter::Group), entries),
                   CalcModel::TI83, entries);
}

} // namespace
} // namespace vexil::varfile
