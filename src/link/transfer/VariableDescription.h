// SPDX-License-Identifier: GPL-3.0-or-later
// The description line shown while a variable travels: "Program HELLO",
// "Matrix [B]", "Window Settings".
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vexil::link::transfer {

// The machine id picks the model (0x02/0x82 TI-82, 0x03/0x83 TI-83); any other
// id gives an empty description. `name` holds up to 8 name bytes.
std::string VariableDescription(uint8_t machineId, uint8_t typeId, std::span<const uint8_t> name);

} // namespace vexil::link::transfer
