// SPDX-License-Identifier: GPL-3.0-or-later
// Byte rate over the virtual cable: the driver sends with an event pump
// installed (as vexil runs it), the far end receives on a thread of its own.
#include "brantel/BitProtocol.h"
#include "brantel/VirtualCable.h"
#include "brantel/brantel.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include <unistd.h>

using namespace vexil::brantel;

namespace {

class StopHooks final : public WaitHooks {
public:
    explicit StopHooks(const std::atomic<bool> &stop) : stop_(stop) {}
    bool aborted() override { return stop_.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool> &stop_;
};

std::string CableFile()
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("vexil-bench-cable-" + std::to_string(::getpid()));
    std::filesystem::remove(path);
    return path.string();
}

// Stands in for QCoreApplication::processEvents: a call per poll that the
// compiler cannot drop.
void PumpEvents(void *context)
{
    benchmark::DoNotOptimize(++*static_cast<long *>(context));
}

void SendToCalculator(benchmark::State &state)
{
    const std::string path = CableFile();
    char message[256];
    if (brantel_open_lines(BRANTEL_LINES_VIRTUAL, path.c_str(), message, sizeof message) != 0) {
        state.SkipWithError(message);
        return;
    }
    long pumps = 0;
    brantel_set_pump(PumpEvents, &pumps);
    SetBrk(0);
    std::atomic<bool> stop{false};
    std::thread calculator([&] {
        VirtualCable far(path, CableEnd::Calculator);
        StopHooks hooks(stop);
        while (ReceiveByte(far, hooks)) {
        }
    });
    uint8_t byte = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1024; ++i) {
            Put82(byte++);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1024);
    state.counters["pumps_per_byte"] =
        static_cast<double>(pumps) / static_cast<double>(state.iterations() * 1024);
    stop = true;
    calculator.join();
    brantel_set_pump(nullptr, nullptr);
    brantel_close_lines();
    std::filesystem::remove(path);
}

void ReceiveFromCalculator(benchmark::State &state)
{
    const std::string path = CableFile();
    char message[256];
    if (brantel_open_lines(BRANTEL_LINES_VIRTUAL, path.c_str(), message, sizeof message) != 0) {
        state.SkipWithError(message);
        return;
    }
    long pumps = 0;
    brantel_set_pump(PumpEvents, &pumps);
    SetBrk(0);
    std::atomic<bool> stop{false};
    std::thread calculator([&] {
        VirtualCable far(path, CableEnd::Calculator);
        StopHooks hooks(stop);
        uint8_t byte = 0;
        while (SendByte(far, hooks, byte++)) {
        }
    });
    for (auto _ : state) {
        for (int i = 0; i < 1024; ++i) {
            benchmark::DoNotOptimize(Get82());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1024);
    stop = true;
    SetBrk(1); // the far end may be half-way through a byte
    calculator.join();
    SetBrk(0);
    brantel_set_pump(nullptr, nullptr);
    brantel_close_lines();
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(SendToCalculator)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReceiveFromCalculator)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
