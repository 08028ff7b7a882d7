// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessRunner.h"

#include <chrono>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexil::tasm::bench {

ProcessRun RunProcess(const std::vector<std::string> &argv, const std::filesystem::path &folder)
{
    std::vector<char *> args;
    for (const auto &a : argv) {
        args.push_back(const_cast<char *>(a.c_str()));
    }
    args.push_back(nullptr);
    const std::string where = folder.string();

    ProcessRun run;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        int null = ::open("/dev/null", O_WRONLY);
        if (null < 0 || ::chdir(where.c_str()) != 0) {
            ::_exit(126);
        }
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    if (pid < 0) {
        return run;
    }
    int status = 0;
    struct rusage usage {};
    pid_t done = ::wait4(pid, &status, 0, &usage);
    auto stop = std::chrono::steady_clock::now();
    run.ok = done == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.seconds = std::chrono::duration<double>(stop - start).count();
    run.maxRssKb = usage.ru_maxrss;
    return run;
}

bool OnPath(const std::string &program)
{
    const char *path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (!dir.empty() && ::access((dir + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace vexil::tasm::bench
