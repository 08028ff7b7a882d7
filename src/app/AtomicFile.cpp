// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AtomicFile.h"

#include "varfile/AtomicFile.h"

namespace vexil::app {

std::string WriteFileAtomically(const std::filesystem::path &target,
                                std::span<const std::uint8_t> bytes)
{
    if (const auto error = varfile::WriteFileAtomically(target, bytes)) {
        return error->message;
    }
    return {};
}

} // namespace vexil::app
