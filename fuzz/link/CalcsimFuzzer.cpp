// SPDX-License-Identifier: GPL-3.0-or-later
// Garbage from "the computer" into the simulated calculator, both models: every
// exchange must end cleanly, whatever arrives.
#include "link/calcsim/SimCalculator.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include <unistd.h>

using namespace vexil::link::calcsim;

namespace {

std::filesystem::path MemoryFolder()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("vexil-calcsim-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 1 << 16) {
        return 0;
    }
    std::filesystem::remove_all(MemoryFolder());
    std::filesystem::create_directories(MemoryFolder());
    SimConfig config;
    // The first byte picks the model, a fault, the answer to the duplicate-name
    // question and the calculator's state, so each gets explored.
    config.model = data[0] & 1 ? SimModel::TI83 : SimModel::TI82;
    config.memoryDir = MemoryFolder();
    config.freeBytes = 4096;
    config.answerDelayUs = 0;
    config.faults.corruptDataPacket = (data[0] >> 1) & 3;
    config.duplicate = static_cast<DuplicateRule>(((data[0] >> 3) & 7) % 3);
    config.inLinkMenu = (data[0] & 0x40) == 0;
    config.checkMachineId = (data[0] & 0x80) == 0;
    SimCalculator calculator(config);
    if (!calculator.start().empty()) {
        return 0;
    }
    std::atomic<bool> stop{false};
    ScriptWire wire(std::span<const uint8_t>(data + 1, size - 1), stop);
    calculator.serve(wire, stop);
    return 0;
}
