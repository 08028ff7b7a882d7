// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/DetachedScript.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexil::assemble::run {
namespace {

// Only async-signal-safe calls from here on: the caller may have other threads.
[[noreturn]] void RunScriptInChild(const char *workingDir, char *const argv[], int reportFd)
{
    int failure = 0;
    if (::chdir(workingDir) != 0) {
        failure = errno;
    } else {
        const int devNull = ::open("/dev/null", O_RDWR);
        if (devNull >= 0) {
            ::dup2(devNull, STDIN_FILENO);
            ::dup2(devNull, STDOUT_FILENO);
            ::dup2(devNull, STDERR_FILENO);
        }
        ::execv(argv[0], argv);
        failure = errno;
    }
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &failure, sizeof failure);
    ::_exit(127);
}

} // namespace

ScriptStart StartDetachedScript(const std::filesystem::path &script,
                                const std::filesystem::path &workingDir)
{
    std::string shell = "/bin/sh";
    std::string scriptText = script.string();
    std::string dirText = workingDir.string();
    char *const argv[] = {shell.data(), scriptText.data(), nullptr};

    // The write end closes on a successful exec, so reading it tells exec from failure.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return {0, std::string("cannot start the build script: ") + std::strerror(errno)};
    }
    const pid_t leader = ::fork();
    if (leader < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return {0, std::string("cannot start the build script: ") + std::strerror(error)};
    }
    if (leader == 0) {
        // The session leader only founds the group and leaves; the script runs in its
        // child, which init adopts, so nobody has to wait for it.
        ::setsid();
        const pid_t worker = ::fork();
        if (worker == 0) {
            RunScriptInChild(dirText.c_str(), argv, report[1]);
        }
        if (worker < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(leader, &status, 0) < 0 && errno == EINTR) {
    }
    int failure = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof failure)) {
        return {0, std::string("cannot start the build script: ") + std::strerror(failure)};
    }
    return {leader, {}};
}

void StopProcessGroup(pid_t group)
{
    if (group > 0) {
        ::kill(-group, SIGKILL);
    }
}

} // namespace vexil::assemble::run
