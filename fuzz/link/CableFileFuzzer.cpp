// SPDX-License-Identifier: GPL-3.0-or-later
// Any file named as the virtual cable, and any text given as --cable: a file
// that is not exactly a cable is refused and stays byte for byte as it was.
#include "brantel/VirtualCable.h"
#include "link/transfer/CableDevice.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path &CableFile()
{
    static const fs::path path =
        fs::temp_directory_path() / ("vexil-cable-fuzz-" + std::to_string(::getpid()));
    return path;
}

std::vector<uint8_t> Contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096) {
        return 0;
    }
    (void)vexil::link::transfer::ParseCableDevice(
        std::string(reinterpret_cast<const char *>(data), size));

    const std::vector<uint8_t> before(data, data + size);
    {
        std::ofstream out(CableFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }
    bool opened = false;
    {
        vexil::brantel::VirtualCable cable(CableFile().string(),
                                           vexil::brantel::CableEnd::Computer);
        opened = cable.ok();
    }
    const std::vector<uint8_t> after = Contents(CableFile());
    // Only a cable may be opened (and then only its lines change); anything
    // else is left alone.
    const bool isCable = size == 64 && std::memcmp(data, "VXBL", 4) == 0;
    if (opened != isCable || (!opened && after != before)) {
        __builtin_trap();
    }
    return 0;
}
