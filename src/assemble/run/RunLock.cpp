// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/RunLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vexil::assemble::run {

RunLock::Outcome RunLock::Take(const std::filesystem::path &programDir, Kind kind, bool wait)
{
    const std::filesystem::path path = programDir / "build.lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return {std::nullopt, "Cannot open " + path.string() + ": " + std::strerror(errno)};
    }
    const int operation = (kind == Kind::Exclusive ? LOCK_EX : LOCK_SH) | (wait ? 0 : LOCK_NB);
    int status = 0;
    do {
        status = ::flock(fd, operation);
    } while (status != 0 && errno == EINTR);
    if (status != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return {};
        }
        return {std::nullopt, "Cannot lock " + path.string() + ": " + std::strerror(error)};
    }
    return {RunLock(fd), {}};
}

RunLock::RunLock(RunLock &&other) noexcept : fd_(other.fd_)
{
    other.fd_ = -1;
}

RunLock &RunLock::operator=(RunLock &&other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

RunLock::~RunLock()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string BusyProgramDirectoryMessage(const std::filesystem::path &programDir)
{
    return "Another assembly is running with " + programDir.string() +
           " (in another Vexil or in vexil-cli assemble).  Try again when it has finished.";
}

} // namespace vexil::assemble::run
