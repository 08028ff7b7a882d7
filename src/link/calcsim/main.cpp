// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-calcsim: a simulated TI-82 or TI-83 at the far end of the virtual cable,
// for trying the link features without a calculator.
#include "link/LinkDevice.h"
#include "link/calcsim/ScreenImage.h"
#include "link/calcsim/SimCalculator.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

using namespace vexil::link;
using namespace vexil::link::calcsim;

namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int)
{
    stopRequested = true;
}

const char *kUsage =
    "usage: vexil-calcsim --model 82|83 --memory DIR [--cable PATH] [--send NAME...]\n"
    "                     [--screen IMAGE] [--free BYTES] [--duplicate skip|exit|overwrite]\n"
    "\n"
    "Simulates a calculator waiting in its Link menu at the far end of the virtual\n"
    "cable. Received variables are stored in DIR, one file each; --send transmits\n"
    "those files of DIR as soon as the other end listens; --screen answers screen\n"
    "requests with a picture variable (.82i/.83i) or PBM image. The cable defaults\n"
    "to the one Vexil uses, in its data folder.\n";

std::filesystem::path defaultProgramDir()
{
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::filesystem::path(data) / "vexil";
    if (const char *home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local/share/vexil";
    return ".";
}

int usageError(const std::string &message)
{
    std::cerr << "vexil-calcsim: " << message << "\n\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    SimConfig config;
    config.cablePath = virtualCablePath(defaultProgramDir()).string();
    std::vector<std::string> toSend;
    bool haveModel = false;
    bool haveMemory = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--model" && hasValue) {
            const std::string model = argv[++i];
            if (model != "82" && model != "83")
                return usageError("the model is 82 or 83");
            config.model = model == "82" ? SimModel::TI82 : SimModel::TI83;
            haveModel = true;
        } else if (arg == "--cable" && hasValue) {
            config.cablePath = argv[++i];
        } else if (arg == "--memory" && hasValue) {
            config.memoryDir = argv[++i];
            haveMemory = true;
        } else if (arg == "--send") {
            while (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0)
                toSend.push_back(argv[++i]);
            if (toSend.empty())
                return usageError("--send needs at least one file name");
        } else if (arg == "--screen" && hasValue) {
            const auto screen = loadScreenImage(argv[++i]);
            if (const auto *message = std::get_if<std::string>(&screen))
                return usageError(*message);
            config.screen = std::get<Screen>(screen);
        } else if (arg == "--free" && hasValue) {
            config.freeBytes = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--duplicate" && hasValue) {
            const std::string rule = argv[++i];
            if (rule == "skip")
                config.duplicate = DuplicateRule::Skip;
            else if (rule == "exit")
                config.duplicate = DuplicateRule::Exit;
            else if (rule == "overwrite")
                config.duplicate = DuplicateRule::Overwrite;
            else
                return usageError("--duplicate is skip, exit or overwrite");
        } else {
            return usageError("unknown or incomplete option " + arg);
        }
    }
    if (!haveModel || !haveMemory)
        return usageError("--model and --memory are required");

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    SimCalculator calculator(config);
    if (const std::string error = calculator.start(); !error.empty()) {
        std::cerr << "vexil-calcsim: " << error << "\n";
        return 1;
    }
    // The default cable lives in Vexil's data folder, which may not exist yet.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(config.cablePath).parent_path(), ec);
    calculator.queueSend(toSend);
    std::cout << "TI-8" << (config.model == SimModel::TI82 ? '2' : '3') << " on "
              << config.cablePath << ", memory " << config.memoryDir.string() << "\n"
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
        for (; shown < lines.size(); ++shown)
            std::cout << lines[shown] << "\n" << std::flush;
    }
    worker.join();
    const auto lines = calculator.log();
    for (; shown < lines.size(); ++shown)
        std::cout << lines[shown] << "\n";
    return cableOpened ? 0 : 1;
}
