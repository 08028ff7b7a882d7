// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunProgram.h"

#include "support/ScratchFolder.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexil::packaging::test {
namespace {

// Forks and execs `run` with standard output and error going to the two files;
// standard input is empty.
pid_t Start(const ProgramRun &run, const std::filesystem::path &outPath,
            const std::filesystem::path &errPath)
{
    std::vector<std::string> words = run.command;
    std::vector<char *> argv;
    for (std::string &word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child != 0) {
        return child;
    }
    for (const auto &[name, value] : run.environment) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
    if (!run.folder.empty() && ::chdir(run.folder.c_str()) != 0) {
        ::_exit(126);
    }
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(in, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
}

} // namespace

ProgramOutput RunProgram(const ProgramRun &run)
{
    const vexil::testing::ScratchFolder capture;
    ProgramOutput result;
    const pid_t child = Start(run, capture / "out", capture / "err");
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = vexil::testing::ReadText(capture / "out");
    result.err = vexil::testing::ReadText(capture / "err");
    return result;
}

RunningProgram::RunningProgram(const ProgramRun &run)
{
    char name[] = "/tmp/vexil-run-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0) {
        ::close(fd);
    }
    errPath_ = name;
    pid_ = Start(run, "/dev/null", errPath_);
}

RunningProgram::~RunningProgram()
{
    if (pid_ > 0 && !exited_) {
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50 && !exited_; ++i) {
            exited_ = ::waitpid(pid_, nullptr, WNOHANG) == pid_;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    std::error_code ec;
    std::filesystem::remove(errPath_, ec);
}

bool RunningProgram::stillRunningAfter(std::chrono::milliseconds patience)
{
    const auto until = std::chrono::steady_clock::now() + patience;
    while (pid_ > 0 && !exited_ && std::chrono::steady_clock::now() < until) {
        exited_ = ::waitpid(pid_, nullptr, WNOHANG) == pid_;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return pid_ > 0 && !exited_;
}

std::string RunningProgram::errorOutput() const
{
    return vexil::testing::ReadText(errPath_);
}

bool OnPath(const std::string &program)
{
    return RunProgram({{"sh", "-c", "command -v " + program}, {}, {}}).exitCode == 0;
}

} // namespace vexil::packaging::test
