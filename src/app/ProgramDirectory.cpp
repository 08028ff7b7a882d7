// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramDirectory.h"

namespace fs = std::filesystem;

namespace vexil::app {

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
        } else if (!fs::exists(target, step)) {
            fs::copy_file(it->path(), target, step);
            // Installed data is read-only; the user's copy must be editable.
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, step);
        }
        if (step) {
            result.problems.push_back("Cannot seed " + target.string() + ": " + step.message());
        }
    }
    if (ec) {
        result.problems.push_back("Cannot read " + seedDirectory.string() + ": " + ec.message());
    }
    return result;
}

} // namespace vexil::app
