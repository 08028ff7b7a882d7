// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/ReceivedFile.h"

#include "link/transfer/TransferView.h"
#include "varfile/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::link::transfer {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path &path, const std::string &reason)
{
    throw FileError("Cannot write " + path.string() + ": " + reason + ".");
}

// A new, empty file of our own beside `path`, created with O_EXCL so that
// nothing planted can stand in for it.
fs::path placeholderBeside(const fs::path &path)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = folder / (".vexil-receive-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(counter++));
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST)
            fail(path, std::strerror(errno));
    }
    fail(path, "no temporary name is free in its folder");
}

} // namespace

bool ReceivedFileExists(const fs::path &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void WriteReceivedFile(const fs::path &path, std::span<const uint8_t> bytes)
{
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        fail(path, "it is not a regular file");
    // Written whole under a name of our own, then renamed over `path`: a rename
    // replaces whatever directory entry is there, a link included, and never
    // writes through it.
    const fs::path placeholder = placeholderBeside(path);
    if (exists && S_ISREG(st.st_mode))
        ::chmod(placeholder.c_str(), st.st_mode & 07777);
    if (auto error = varfile::WriteFileAtomically(placeholder, bytes)) {
        ::unlink(placeholder.c_str());
        throw FileError(error->message);
    }
    if (std::rename(placeholder.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(placeholder.c_str());
        fail(path, std::strerror(error));
    }
}

} // namespace vexil::link::transfer
