// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::app {
namespace {

std::string describe(const std::string &what, const std::filesystem::path &path, int error)
{
    return what + " " + path.string() + ": " + std::strerror(error);
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path &target,
                                std::span<const std::uint8_t> bytes)
{
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return describe("Cannot create a file in", folder, errno);
    }
    const std::filesystem::path temporary = pattern;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return describe("Cannot write", target, error);
        }
        written += static_cast<std::size_t>(n);
    }
    // mkstemp creates the file private; a saved document gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return describe("Cannot write", target, error);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return describe("Cannot replace", target, error);
    }
    return {};
}

} // namespace vexil::app
