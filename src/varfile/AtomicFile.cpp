// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::varfile {

namespace {

IoError SystemError(const std::string &what, const std::filesystem::path &path, int error)
{
    return IoError{what + " " + path.string() + ": " + std::strerror(error)};
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// mkstemp creates the file readable by its owner only; a new file should get the
// permissions an ordinary create would give it, an existing one keeps its own.
mode_t PermissionsFor(const std::filesystem::path &target)
{
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A save through a symbolic link goes to the file it points at: renaming over the
// link itself would leave that file stale and turn the link into a copy.
std::filesystem::path FileToReplace(const std::filesystem::path &target)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error)) {
        return target;
    }
    const std::filesystem::path resolved = std::filesystem::canonical(target, error);
    return error ? target : resolved;
}

} // namespace

std::optional<IoError> WriteFileAtomically(const std::filesystem::path &requested,
                                           std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path target = FileToReplace(requested);
    // Replacing by rename would get past a file's missing write permission, which
    // writing it in place respects.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        return SystemError("Cannot write", requested, errno);
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return SystemError("Cannot create a temporary file for", requested, errno);
    }
    const std::filesystem::path temporary = pattern;
    auto fail = [&](const std::string &what) {
        const int error = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return SystemError(what, requested, error);
    };
    if (!WriteAll(fd, bytes)) {
        return fail("Cannot write");
    }
    if (::fchmod(fd, PermissionsFor(target)) != 0 || ::fsync(fd) != 0) {
        return fail("Cannot write");
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SystemError("Cannot write", requested, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return SystemError("Cannot replace", requested, error);
    }
    return std::nullopt;
}

ReadResult ReadWholeFile(const std::filesystem::path &path, std::size_t limit)
{
    ReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = SystemError("Cannot open", path, errno);
        return result;
    }
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = SystemError("Cannot read", path, errno);
            result.bytes.clear();
            break;
        }
        if (got == 0) {
            break;
        }
        if (static_cast<std::size_t>(got) > limit - result.bytes.size()) {
            result.error = IoError{"Cannot read " + path.string() + ": larger than " +
                                   std::to_string(limit) + " bytes"};
            result.bytes.clear();
            break;
        }
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
    }
    ::close(fd);
    return result;
}

} // namespace vexil::varfile
