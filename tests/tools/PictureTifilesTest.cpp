// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files Vexil writes must be read cleanly by the TI file library: the same
// model, type, name, the data with its size word, and a checksum that matches.
#include "base/FileIo.h"
#include "tools/PictureFile.h"

// The library's C headers use the C99 keyword, which C++ spells differently.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <gtest/gtest.h>

#include <unistd.h>

namespace vexil::tools {
namespace {

namespace fs = std::filesystem;
using varfile::CalcModel;

TEST(PictureTifiles, ReadsEveryPictureNumberOfBothModels)
{
    tifiles_library_init();
    const fs::path folder =
        fs::temp_directory_path() / ("vexil-pic-tifiles-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    SpriteGrid cells;
    for (int i = 0; i < 63; ++i) {
        cells.set(i, i, true);
        cells.set(95 - i, i, true);
    }
    for (CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        for (int number : PictureNumbers(model)) {
            const fs::path path =
                folder / ("Pic" + std::to_string(number) + "." + varfile::ModelDigits(model) + "i");
            SCOPED_TRACE(path.string());
            const std::optional<std::vector<std::uint8_t>> file =
                BuildPictureFile(model, number, cells);
            ASSERT_TRUE(file);
            ASSERT_FALSE(base::WriteFileAtomically(path, *file));

            const CalcModel expectedModel = model;
            const ::CalcModel calc = expectedModel == CalcModel::TI82 ? CALC_TI82 : CALC_TI83;
            ::FileContent *content = tifiles_content_create_regular(calc);
            ASSERT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);
            EXPECT_EQ(content->model, calc);
            EXPECT_EQ(content->checksum, content->stored_checksum);
            ASSERT_EQ(content->num_entries, 1U);
            const ::VarEntry *entry = content->entries[0];
            EXPECT_EQ(entry->type, 0x07);
            EXPECT_EQ(static_cast<std::uint8_t>(entry->name[0]), 0x60);
            EXPECT_EQ(static_cast<std::uint8_t>(entry->name[1]), (number + 9) % 10);
            ASSERT_EQ(entry->size, 758U);
            EXPECT_EQ(entry->data[0], 0xF4);
            EXPECT_EQ(entry->data[1], 0x02);
            EXPECT_EQ(std::vector<std::uint8_t>(entry->data + 2, entry->data + 758),
                      RowsOfGrid(cells, kPictureRows));
            tifiles_content_delete_regular(content);
        }
    }
    fs::remove_all(folder);
    tifiles_library_exit();
}

} // namespace
} // namespace vexil::tools
