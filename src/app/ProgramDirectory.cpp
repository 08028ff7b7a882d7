// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramDirectory.h"

#include "base/FileIo.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace vexil::app {
namespace {

// A copy that an earlier start could not finish (a full disk, a killed process)
// holds the beginning of the seed file, or nothing; whatever else is there is the
// user's own.
bool IsUnfinishedCopy(const std::vector<std::uint8_t> &present,
                      const std::vector<std::uint8_t> &seed)
{
    return present.size() < seed.size() && std::equal(present.begin(), present.end(), seed.begin());
}

// Copies one seed file unless the user's folder already holds it; an unfinished
// copy is made whole. Returns what went wrong, or an empty string.
std::string SeedFile(const fs::path &seedFile, const fs::path &target)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    const bool present = fs::exists(status);
    if (present && !fs::is_regular_file(status)) {
        return {}; // a link or a folder the user put there
    }
    const base::ReadResult seed = base::ReadWholeFile(seedFile);
    if (!seed.ok()) {
        return present ? std::string()
                       : "Cannot seed " + target.string() + ": " + seed.error->message;
    }
    if (present) {
        const base::ReadResult current = base::ReadWholeFile(target);
        if (!current.ok() || !IsUnfinishedCopy(current.bytes, seed.bytes)) {
            return {};
        }
        // Replaced as a new file, so the copy is editable whatever the unfinished
        // one's permissions were.
        fs::remove(target, ec);
    }
    if (auto error = base::WriteFileAtomically(target, seed.bytes)) {
        return "Cannot seed " + target.string() + ": " + error->message;
    }
    return {};
}

} // namespace

fs::path ResolveProgramDirectory(const char *xdgDataHome, const char *home)
{
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
        return fs::path(xdgDataHome) / "vexil";
    }
    const fs::path base = home != nullptr && *home != '\0' ? fs::path(home) : fs::path("/tmp");
    return base / ".local" / "share" / "vexil";
}

fs::path FindSeedDirectory(const fs::path &executableDirectory,
                           const fs::path &buildTreeDataDirectory)
{
    std::error_code ec;
    const fs::path installed = executableDirectory / ".." / "share" / "vexil";
    if (!executableDirectory.empty() && fs::is_directory(installed, ec)) {
        return fs::weakly_canonical(installed, ec);
    }
    if (!buildTreeDataDirectory.empty() && fs::is_directory(buildTreeDataDirectory, ec)) {
        return buildTreeDataDirectory;
    }
    return {};
}

PrepareResult PrepareProgramDirectory(const fs::path &programDirectory,
                                      const fs::path &seedDirectory)
{
    PrepareResult result;
    std::error_code ec;
    result.firstRun = !fs::exists(programDirectory, ec);
    fs::create_directories(programDirectory, ec);
    if (ec) {
        result.problems.push_back("Cannot create " + programDirectory.string() + ": " +
                                  ec.message());
        return result;
    }
    if (seedDirectory.empty() || !fs::is_directory(seedDirectory, ec)) {
        return result;
    }
    for (auto it = fs::recursive_directory_iterator(seedDirectory, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path relative = fs::relative(it->path(), seedDirectory, ec);
        const fs::path target = programDirectory / relative;
        std::error_code step;
        if (it->is_directory(step)) {
            fs::create_directories(target, step);
            if (step) {
                result.problems.push_back("Cannot create " + target.string() + ": " +
                                          step.message());
            }
        } else if (std::string problem = SeedFile(it->path(), target); !problem.empty()) {
            result.problems.push_back(std::move(problem));
        }
    }
    if (ec) {
        result.problems.push_back("Cannot read " + seedDirectory.string() + ": " + ec.message());
    }
    return result;
}

} // namespace vexil::app
