// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vexil::cli::test {

CliOutput RunCli(const std::vector<std::string> &args, const std::string &input)
{
    // Input and output go through files rather than pipes, so neither side can
    // block the other.
    const ScratchFolder capture;
    const std::filesystem::path inPath = capture / "in";
    const std::filesystem::path outPath = capture / "out";
    const std::filesystem::path errPath = capture / "err";
    std::ofstream(inPath, std::ios::binary) << input;
    std::vector<char *> argv;
    std::string program = VEXIL_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string &arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    CliOutput result;
    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(in, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = vexil::testing::ReadText(outPath);
    result.err = vexil::testing::ReadText(errPath);
    return result;
}

} // namespace vexil::cli::test
