// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated TI-82 or TI-83 on the calculator end of the virtual cable. It
// answers the computer as a calculator waiting in its Link menu does: receives
// variables and backups, answers screen, variable, directory, key and ready
// requests, and sends from its memory as a user choosing Link > Send would.
#pragma once

#include "link/calcsim/SimMemory.h"
#include "link/calcsim/SimPort.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

enum class SimModel { TI82, TI83 };

// What the calculator answers when a received variable's name is already taken
// (the user's choice at the calculator's prompt).
enum class DuplicateRule { Overwrite, Skip, Exit };

using Screen = std::array<uint8_t, 768>; // 64 rows of 12 bytes, MSB leftmost, 1 dark

struct SimConfig {
    SimModel model = SimModel::TI83;
    std::string cablePath;
    std::filesystem::path memoryDir;
    DuplicateRule duplicate = DuplicateRule::Skip;
    size_t freeBytes = 24000;
    Screen screen{};
    // How long the calculator waits for the computer inside an exchange before
    // giving up and going back to its menu.
    int exchangeTimeoutMs = 2000;
    SimFaults faults;
};

class SimCalculator {
public:
    explicit SimCalculator(SimConfig config);

    // Opens the cable and reads the memory folder. Empty on success.
    std::string start();

    // Serves the cable until `stop` is set: first the queued sends, then
    // whatever the computer asks. False when the cable cannot be opened.
    bool run(const std::atomic<bool> &stop);
    // The same on any wire (the fuzzer's, for one).
    void serve(SimWire &wire, const std::atomic<bool> &stop);

    // Files of the memory folder to send as soon as the computer listens, in
    // order, as one Link > Send session.
    void queueSend(std::vector<std::string> fileNames);

    // One line per exchange, for the user of vexil-calcsim and for tests.
    std::vector<std::string> log() const;
    SimMemory &memory() { return memory_; }

    uint8_t id() const;

private:
    void serveOne(SimPort &port, Packet packet);
    void receiveVariables(SimPort &port, Packet header);
    void receiveBackup(SimPort &port, const Packet &header);
    void receiveSilently(SimPort &port, const Packet &header);
    void sendScreen(SimPort &port);
    void answerRequest(SimPort &port, const Packet &request);
    void sendDirectory(SimPort &port);
    void sendFiles(SimPort &port, const std::vector<std::string> &fileNames);
    bool sendVariable(SimPort &port, const SimVariable &variable);
    void sendBackup(SimPort &port, const SimBackup &backup, bool expectClearToSend);
    void sendDataAcknowledged(SimPort &port, const std::vector<uint8_t> &data);

    Packet expect(SimPort &port, uint8_t command);
    void ack(SimPort &port, uint16_t echo = 0);
    bool isBackupType(uint8_t typeId) const;
    void note(std::string line);

    SimConfig config_;
    SimMemory memory_;
    mutable std::mutex mutex_;
    std::vector<std::string> pendingSend_;
    std::vector<std::string> log_;
};

} // namespace vexil::link::calcsim
