// SPDX-License-Identifier: GPL-3.0-or-later
// A named pipe nothing writes to, for the readers that must refuse it at once. A
// reader that waits on it after all is let go after a while by a writer that
// opens and closes it, so such a test fails instead of hanging.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexil::testing {

class StalledPipe {
public:
    explicit StalledPipe(std::filesystem::path path) : path_(std::move(path))
    {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        if (made_) {
            writer_ = std::thread([this] { releaseWaitingReader(); });
        }
    }
    ~StalledPipe()
    {
        done_ = true;
        if (writer_.joinable()) {
            writer_.join();
        }
    }
    StalledPipe(const StalledPipe &) = delete;
    StalledPipe &operator=(const StalledPipe &) = delete;

    bool made() const { return made_; }
    const std::filesystem::path &path() const { return path_; }

private:
    void releaseWaitingReader()
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done_ && std::chrono::steady_clock::now() < giveUp) {
            // Succeeds only once a reader has the pipe open.
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    std::filesystem::path path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread writer_;
};

} // namespace vexil::testing
