// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-calcsim: a simulated TI-82 or TI-83 at the far end of the virtual cable,
// for trying the link features without a calculator.
#include "base/Version.h"
#include "link/LinkDevice.h"
#include "link/calcsim/ScreenImage.h"
#include "link/calcsim/SimCalculator.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace vexil::link;
using namespace vexil::link::calcsim;

namespace {

std::atomic<bool> stopRequested{false};

void OnSignal(int)
{
    stopRequested = true;
}

const char *kUsage =
    "usage: vexil-calcsim --model 82|83 --memory DIR [--cable PATH | --pty] [--send NAME...]\n"
    "                     [--screen IMAGE] [--free BYTES] [--duplicate skip|exit|overwrite]\n"
    "                     [--prompt-delay MS] [--home] [--not-listening] [--any-id]\n"
    "                     [--strict-cable] [--answer-delay MS]\n"
    "       vexil-calcsim --help | --version\n"
    "\n"
    "Simulates a calculator waiting in its Link menu at the far end of the virtual\n"
    "cable. Received variables are stored in DIR, one file each; --send transmits\n"
    "those files of DIR as soon as the other end listens; --screen answers screen\n"
    "requests with a picture variable (.82i/.83i) or PBM image. The cable defaults\n"
    "to the one Vexil uses, in its data folder; --pty offers a pseudo-terminal\n"
    "instead, to be used as a TI-Graph Link (its name is printed).\n"
    "--duplicate is what the user answers when a received name is taken, after\n"
    "--prompt-delay milliseconds (also the time taken to confirm a backup).\n"
    "--home waits at the home screen, where only the silent requests are answered;\n"
    "--not-listening never looks at the link; --any-id also answers packets from\n"
    "machine ids of other models; --strict-cable shows each end of the virtual\n"
    "cable only the lines as they are when it looks; --answer-delay is the time\n"
    "taken before each packet the calculator sends (1 ms).\n";

// A pseudo-terminal in raw mode; the calculator keeps the other side open too, so
// its side never reads as hung up before the computer comes.
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    std::string name;
};

std::optional<PseudoTerminal> OpenPseudoTerminal()
{
    PseudoTerminal pty;
    pty.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty.master < 0 || ::grantpt(pty.master) != 0 || ::unlockpt(pty.master) != 0) {
        return std::nullopt;
    }
    pty.name = ::ptsname(pty.master);
    pty.slave = ::open(pty.name.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (pty.slave < 0) {
        return std::nullopt;
    }
    termios tio{};
    ::tcgetattr(pty.slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(pty.slave, TCSANOW, &tio);
    return pty;
}

std::filesystem::path DefaultProgramDir()
{
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::filesystem::path(data) / "vexil";
    }
    if (const char *home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".local/share/vexil";
    }
    return ".";
}

int UsageError(const std::string &message)
{
    std::cerr << "vexil-calcsim: " << message << "\n\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    SimConfig config;
    config.cablePath = VirtualCablePath(DefaultProgramDir()).string();
    std::vector<std::string> toSend;
    bool haveModel = false;
    bool haveMemory = false;
    bool usePty = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << vexil::base::VersionText("vexil-calcsim");
            return 0;
        } else if (arg == "--model" && hasValue) {
            const std::string model = argv[++i];
            if (model != "82" && model != "83") {
                return UsageError("the model is 82 or 83");
            }
            config.model = model == "82" ? SimModel::TI82 : SimModel::TI83;
            haveModel = true;
        } else if (arg == "--cable" && hasValue) {
            config.cablePath = argv[++i];
        } else if (arg == "--memory" && hasValue) {
            config.memoryDir = argv[++i];
            haveMemory = true;
        } else if (arg == "--send") {
            while (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) {
                toSend.push_back(argv[++i]);
            }
            if (toSend.empty()) {
                return UsageError("--send needs at least one file name");
            }
        } else if (arg == "--screen" && hasValue) {
            const auto screen = LoadScreenImage(argv[++i]);
            if (const auto *message = std::get_if<std::string>(&screen)) {
                return UsageError(*message);
            }
            config.screen = std::get<Screen>(screen);
        } else if (arg == "--free" && hasValue) {
            config.freeBytes = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--prompt-delay" && hasValue) {
            config.promptDelayMs = std::atoi(argv[++i]);
        } else if (arg == "--answer-delay" && hasValue) {
            config.answerDelayUs = std::atoi(argv[++i]) * 1000;
        } else if (arg == "--home") {
            config.inLinkMenu = false;
        } else if (arg == "--not-listening") {
            config.listening = false;
        } else if (arg == "--any-id") {
            config.checkMachineId = false;
        } else if (arg == "--strict-cable") {
            config.strictCable = true;
        } else if (arg == "--pty") {
            usePty = true;
        } else if (arg == "--duplicate" && hasValue) {
            const std::string rule = argv[++i];
            if (rule == "skip") {
                config.duplicate = DuplicateRule::Skip;
            } else if (rule == "exit") {
                config.duplicate = DuplicateRule::Exit;
            } else if (rule == "overwrite") {
                config.duplicate = DuplicateRule::Overwrite;
            } else {
                return UsageError("--duplicate is skip, exit or overwrite");
            }
        } else {
            return UsageError("unknown or incomplete option " + arg);
        }
    }
    if (!haveModel || !haveMemory) {
        return UsageError("--model and --memory are required");
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::string where = config.cablePath;
    std::optional<PseudoTerminal> pty;
    if (usePty) {
        pty = OpenPseudoTerminal();
        if (!pty) {
            std::cerr << "vexil-calcsim: cannot open a pseudo-terminal\n";
            return 1;
        }
        config.serialFd = pty->master;
        where = pty->name + " (TI-Graph Link: --cable graylink:" + pty->name + ")";
    } else {
        // The default cable lives in Vexil's data folder, which may not exist yet.
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(config.cablePath).parent_path(),
                                            ec);
    }
    SimCalculator calculator(config);
    if (const std::string error = calculator.start(); !error.empty()) {
        std::cerr << "vexil-calcsim: " << error << "\n";
        return 1;
    }
    calculator.queueSend(toSend);
    std::cout << "TI-8" << (config.model == SimModel::TI82 ? '2' : '3') << " on " << where
              << ", memory " << config.memoryDir.string() << "\n"
              << std::flush;
    bool cableOpened = true;
    std::thread worker([&] {
        cableOpened = calculator.run(stopRequested);
        stopRequested = true;
    });
    size_t shown = 0;
    while (!stopRequested.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto lines = calculator.log();
        for (; shown < lines.size(); ++shown) {
            std::cout << lines[shown] << "\n" << std::flush;
        }
    }
    worker.join();
    const auto lines = calculator.log();
    for (; shown < lines.size(); ++shown) {
        std::cout << lines[shown] << "\n";
    }
    return cableOpened ? 0 : 1;
}
