// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's black-and-white graphics as bytes: the 96 x 64 screen a screen
// capture sends, the 96 x 63 picture variable (Pic1 ... Pic0) and the .82i/.83i file
// that holds one. Every form stores rows of 12 bytes, top row first, bit 7 of each
// byte the leftmost of its eight pixels, a set bit a dark pixel.
#pragma once

#include "tools/Sprite.h"
#include "varfile/CalcModel.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace vexil::tools {

inline constexpr int kScreenRowBytes = 12;
inline constexpr int kPictureRows = 63;
inline constexpr std::size_t kScreenDataSize = 768;  // 64 rows
inline constexpr std::size_t kPictureDataSize = 756; // 63 rows
inline constexpr std::size_t kPictureFileSize = 830;
inline constexpr std::size_t kPictureDataOffset = 72; // after the entry's size word
// The part of a picture the graph screen shows: its last column is never drawn.
inline constexpr int kShownPictureColumns = 95;

// The cells drawn from whole rows of 12 bytes (at most 64 rows); the rows the bytes
// do not reach stay light.
SpriteGrid GridFromRows(std::span<const std::uint8_t> rows);

// The top `rowCount` rows of `cells` (at most 64) as bytes.
std::vector<std::uint8_t> RowsOfGrid(const SpriteGrid &cells, int rowCount);

// The picture numbers a calculator has, in the order of its menus: 1 to 6 on the
// TI-82; 1 to 9 and then 0 on the TI-83.
std::vector<int> PictureNumbers(varfile::CalcModel model);
bool HasPictureNumber(varfile::CalcModel model, int number);

// The model a picture file is written for: the digit of a ".82?" or ".83?"
// extension, else `current`.
varfile::CalcModel PictureFileModel(const std::filesystem::path &path, varfile::CalcModel current);

// The 830-byte file holding the top 63 rows of `cells` as picture `number` (as the
// calculator shows it); nothing when the model has no such picture.
std::optional<std::vector<std::uint8_t>> BuildPictureFile(varfile::CalcModel model, int number,
                                                          const SpriteGrid &cells);

// The picture of a .82i/.83i file: its 63 rows drawn on light cells. The header is
// not examined, so a file from another tool that keeps the usual layout loads; a
// file too short to hold the rows gives the message saying so.
std::variant<SpriteGrid, std::string> ReadPictureFile(std::span<const std::uint8_t> file);

} // namespace vexil::tools
