// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsFile.h"

#include "base/FileIo.h"

namespace vexil::app {

std::filesystem::path OptionsFilePath(const std::filesystem::path &programDirectory)
{
    return programDirectory / kOptionsFileName;
}

std::optional<Options> ReadOptionsFile(const std::filesystem::path &programDirectory)
{
    const base::ReadResult read = base::ReadWholeFile(OptionsFilePath(programDirectory));
    if (!read.ok()) {
        return std::nullopt;
    }
    return DecodeOptions(read.bytes);
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
    return base::WriteFileAtomically(OptionsFilePath(programDirectory), bytes).errorText();
}

} // namespace vexil::app
