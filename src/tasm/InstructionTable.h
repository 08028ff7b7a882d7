// SPDX-License-Identifier: GPL-3.0-or-later
// Instruction rows: mnemonic, operand pattern, opcode and how the operands are
// placed. Patterns are upper case without blanks; `*` stands for an expression and
// `@` for an optional index displacement (empty, or starting with + or -).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexil::tasm {

enum class ArgKind : std::uint8_t {
    None,
    Bytes,     // little-endian argument of `argBytes` bytes
    Relative,  // one signed byte, target - (PC + length)
    Index,     // opcode, displacement
    IndexByte, // opcode, displacement, immediate byte
    IndexCB,   // prefix, CB, displacement, opcode
    Bit,       // bit number shifted into bits 3-5 of the last opcode byte
    BitIndex,  // prefix, CB, displacement, opcode with the bit number
};

// Classes of rows; a row is usable when its class is enabled for the run.
enum RowClass : std::uint8_t {
    kClassBase = 1,
    kClassHD64180 = 2,
    kClassUndocumented = 0x80,
};

struct InstructionRow {
    std::string pattern;
    std::uint8_t opcode[4] = {0, 0, 0, 0};
    std::uint8_t opcodeLength = 0;
    ArgKind kind = ArgKind::None;
    std::uint8_t argBytes = 0;
    std::uint8_t rowClass = kClassBase;

    int length() const;
};

struct MnemonicRows {
    // Rows without wildcards, found by their exact operand text.
    std::unordered_map<std::string, std::vector<std::size_t>> exact;
    std::vector<InstructionRow> rows; // in matching order
    std::vector<std::size_t> wildcardRows;
    std::uint8_t classes = 0; // every class some row of this mnemonic belongs to
};

class InstructionTable {
public:
    // The documented Z80 set, the HD64180 additions and the undocumented forms.
    static const InstructionTable &z80();

    const MnemonicRows *find(std::string_view upperMnemonic) const;
    void add(const std::string &mnemonic, InstructionRow row);

private:
    std::unordered_map<std::string, MnemonicRows> mnemonics_;
};

} // namespace vexil::tasm
