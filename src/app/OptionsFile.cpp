// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsFile.h"

#include "app/AtomicFile.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace vexil::app {

std::filesystem::path OptionsFilePath(const std::filesystem::path &programDirectory)
{
    return programDirectory / kOptionsFileName;
}

std::optional<Options> ReadOptionsFile(const std::filesystem::path &programDirectory)
{
    std::ifstream in(OptionsFilePath(programDirectory), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kOptionsSize);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(kOptionsSize));
    if (in.gcount() != static_cast<std::streamsize>(kOptionsSize)) {
        return std::nullopt;
    }
    return DecodeOptions(bytes);
}

OptionsLoadResult LoadOptionsFile(const std::filesystem::path &programDirectory)
{
    OptionsLoadResult result;
    std::error_code ec;
    if (!std::filesystem::exists(OptionsFilePath(programDirectory), ec)) {
        result.outcome = OptionsLoadOutcome::Created;
        result.writeError = SaveOptionsFile(programDirectory, DefaultOptions());
    }
    if (auto read = ReadOptionsFile(programDirectory)) {
        result.options = *read;
        return result;
    }
    // A missing file that could not be created is not a corrupted one.
    if (result.outcome == OptionsLoadOutcome::Created) {
        result.options = DefaultOptions();
        return result;
    }
    result.outcome = OptionsLoadOutcome::Corrupted;
    result.options = DefaultOptions();
    result.writeError = SaveOptionsFile(programDirectory, result.options);
    return result;
}

std::string SaveOptionsFile(const std::filesystem::path &programDirectory, const Options &options)
{
    const OptionsBytes bytes = EncodeOptions(options);
    return WriteFileAtomically(OptionsFilePath(programDirectory), bytes);
}

} // namespace vexil::app
