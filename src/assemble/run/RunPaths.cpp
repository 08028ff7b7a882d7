// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/RunPaths.h"

namespace vexil::assemble::run {
namespace {

std::filesystem::path WithExtension(std::filesystem::path path, const char *extension)
{
    path.replace_extension(extension);
    return path;
}

} // namespace

RunPaths RunPathsFor(const std::filesystem::path &source, ShellTarget target)
{
    std::error_code ignored;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(source, ignored);
    if (canonical.empty()) {
        canonical = std::filesystem::absolute(source, ignored);
    }
    RunPaths paths;
    paths.source = canonical;
    paths.objectFile = WithExtension(canonical, ".obj");
    paths.listingFile = WithExtension(canonical, ".lst");
    paths.programFile = WithExtension(
        canonical, Describe(target).model == varfile::CalcModel::TI83 ? ".83p" : ".82p");
    return paths;
}

RunFiles RunFiles::In(const std::filesystem::path &programDir)
{
    return RunFiles{programDir / "build.sh", programDir / "State.dat", programDir / "Retval.dat",
                    programDir / "Tasmout.txt"};
}

} // namespace vexil::assemble::run
