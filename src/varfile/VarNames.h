// SPDX-License-Identifier: GPL-3.0-or-later
// The 8-byte variable names, encoded per type as the calculators expect them, and
// the way a name is shown to the user. Theta (byte 5B) is typed and shown as "@".
#pragma once

#include "varfile/CalcModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::varfile {

using VarName = std::array<std::uint8_t, 8>;

inline constexpr std::uint8_t kThetaByte = 0x5B;
inline constexpr std::uint8_t kListPrefix = 0x5D;
inline constexpr std::uint8_t kMatrixPrefix = 0x5C;
inline constexpr std::uint8_t kEquationPrefix = 0x5E;
inline constexpr std::uint8_t kStringPrefix = 0xAA;
inline constexpr std::uint8_t kGdbPrefix = 0x61;
inline constexpr std::uint8_t kPicturePrefix = 0x60;

// Real and complex numbers: "A".."Z" or "@" for theta.
std::optional<VarName> LetterVarName(char letter);

// L1..L6 (`number` 1 to 6).
std::optional<VarName> ListVarName(int number);

// A TI-83 user list: 1 to 5 characters, letters, digits or "@", starting with a
// letter or "@".
std::optional<VarName> UserListVarName(std::string_view name);

// [A]..[J] (`letter` 'A' to 'J'; the TI-82 offers only [A]..[E]).
std::optional<VarName> MatrixVarName(char letter);

// A Y-variable by its code after the 5E prefix (10 is Y1, 20 is X1T, 40 is r1...).
VarName EquationVarName(std::uint8_t code);

// Str1..Str0, GDB1..GDB0, Pic1..Pic0 by the digit the user sees (1..9, then 0).
std::optional<VarName> StringVarName(int digit);
std::optional<VarName> GdbVarName(int digit);
std::optional<VarName> PictureVarName(int digit);

// The fixed name of window, zoom and table settings.
VarName SettingsVarName(CalcModel model);

// A program name as typed: each "@" becomes theta, the rest is kept byte for
// byte, cut to 8 bytes and padded with 00.
VarName ProgramVarName(std::string_view typed);

// The name as the calculator shows it ("A", "L1", "[B]", "Y1", "Str0", "PROG@"),
// with bytes that have no plain-text form written as {XX}.
std::string DisplayVarName(CalcModel model, std::uint8_t typeId, const VarName &name);

} // namespace vexil::varfile
