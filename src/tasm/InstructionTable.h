// SPDX-License-Identifier: GPL-3.0-or-later
// Instruction rows: mnemonic, operand pattern, opcode and how the operands are
// placed. Patterns are upper case without blanks; `*` stands for an expression and
// `@` for an optional index displacement (empty, or starting with + or -).
//
// The Z80 rows are constant data, built and sorted by the compiler, so a run pays
// nothing for them before it reads its source.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <span>
#include <string>
#include <string_view>
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
    std::string_view pattern;
    std::uint8_t opcode[4] = {0, 0, 0, 0};
    std::uint8_t opcodeLength = 0;
    ArgKind kind = ArgKind::None;
    std::uint8_t argBytes = 0;
    std::uint8_t rowClass = kClassBase;

    constexpr int length() const
    {
        switch (kind) {
        case ArgKind::None:
        case ArgKind::Bit:
            return opcodeLength;
        case ArgKind::Bytes:
            return opcodeLength + argBytes;
        case ArgKind::Relative:
        case ArgKind::Index:
            return opcodeLength + 1;
        case ArgKind::IndexByte:
            return opcodeLength + 2;
        case ArgKind::IndexCB:
        case ArgKind::BitIndex:
            return 4;
        }
        return opcodeLength;
    }
};

// The rows of one mnemonic.
struct MnemonicRows {
    // Rows without wildcards, sorted by pattern; rows with the same pattern keep
    // their table order.
    std::span<const InstructionRow> exact;
    // Rows with wildcards, in matching order: the first that matches wins.
    std::span<const InstructionRow> wildcard;
    std::uint8_t classes = 0; // every class some row of this mnemonic belongs to

    // The rows whose pattern is exactly `upperOperand`, in table order.
    std::span<const InstructionRow> exactMatches(std::string_view upperOperand) const;
};

// The documented Z80 set, the HD64180 additions and the undocumented forms;
// nullptr for a mnemonic the table does not know.
const MnemonicRows *Z80Mnemonic(std::string_view upperMnemonic);

// Rows a source adds with .ADDINSTR while it is assembled.
class AddedInstructions {
public:
    const MnemonicRows *find(std::string_view upperMnemonic) const;
    // `row.pattern` may point anywhere: the table keeps its own copy.
    void add(const std::string &upperMnemonic, InstructionRow row);

private:
    struct Entry {
        std::vector<InstructionRow> exact;
        std::vector<InstructionRow> wildcard;
        MnemonicRows view;
    };
    std::map<std::string, Entry, std::less<>> entries_;
    std::deque<std::string> patterns_; // stable storage behind the rows' patterns
};

} // namespace vexil::tasm
