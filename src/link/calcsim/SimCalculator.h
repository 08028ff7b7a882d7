// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated TI-82 or TI-83 on the calculator end of the virtual cable, or of
// a serial line standing in for a TI-Graph Link. It answers the computer as a
// calculator waiting in its Link menu's Receive screen does: receives
// variables and backups (asking its user about names it already holds and
// before a backup), answers screen, variable, directory, key and ready
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

// What the calculator's user answers when a received variable's name is
// already taken: Overwrite, Omit (skip this one) or Quit (exit).
enum class DuplicateRule { Overwrite, Skip, Exit };

using Screen = std::array<uint8_t, 768>; // 64 rows of 12 bytes, MSB leftmost, 1 dark

struct SimConfig {
    SimModel model = SimModel::TI83;
    std::string cablePath;
    // When not -1, whole bytes over this descriptor (a pseudo-terminal's master)
    // instead of the virtual cable.
    int serialFd = -1;
    // The virtual cable shows both ends only the lines as they are.
    bool strictCable = false;
    std::filesystem::path memoryDir;
    DuplicateRule duplicate = DuplicateRule::Skip;
    // How long the user takes to answer the duplicate-name question and to
    // confirm a backup; the computer waits meanwhile.
    int promptDelayMs = 0;
    size_t freeBytes = 24000;
    Screen screen{};
    // How long the calculator waits for the computer inside an exchange before
    // giving up and going back to its menu.
    int exchangeTimeoutMs = 2000;
    // False: the calculator never looks at the link (switched off, or running a
    // program), so the computer's first bit is never taken.
    bool listening = true;
    // False: at the home screen instead of Link > Receive. Variable headers of
    // a manual send are ignored; the silent requests are still answered.
    bool inLinkMenu = true;
    // Packets from a machine id the model does not talk to are ignored.
    bool checkMachineId = true;
    // The time the calculator takes before each packet it sends; a real one
    // needs milliseconds.
    int answerDelayUs = 1000;
    SimFaults faults;
};

class SimCalculator {
public:
    explicit SimCalculator(SimConfig config);

    // Reads the memory folder. Empty on success.
    std::string start();

    // Serves the cable (or the serial line) until `stop` is set: first the
    // queued sends, then whatever the computer asks. False when the cable
    // cannot be opened.
    bool run(const std::atomic<bool> &stop);
    // The same on any wire (the fuzzer's, for one).
    void serve(SimWire &wire, const std::atomic<bool> &stop);

    // Files of the memory folder to send as soon as the computer listens, in
    // order, as one Link > Send session.
    void queueSend(std::vector<std::string> fileNames);

    // One line per exchange, for the user of vexil-calcsim and for tests.
    std::vector<std::string> log() const;
    SimMemory &memory() { return memory_; }

    uint8_t id() const { return CalculatorId(config_.model); }

private:
    void serveOne(SimPort &port, SimPacket packet);
    void receiveVariables(SimPort &port, SimPacket header);
    void receiveBackup(SimPort &port, const SimPacket &header);
    void receiveSilently(SimPort &port, const SimPacket &header);
    void answerRequest(SimPort &port, const SimPacket &request);
    void sendDirectory(SimPort &port);
    void sendFiles(SimPort &port, const std::vector<std::string> &fileNames);
    bool sendVariable(SimPort &port, const SimVariable &variable);
    void sendBackup(SimPort &port, const SimBackup &backup);
    void sendHeader(SimPort &port, const SimVariable &variable);
    void sendDataAcknowledged(SimPort &port, const std::vector<uint8_t> &data);

    SimPacket expect(SimPort &port, uint8_t command, bool patient = false);
    void ack(SimPort &port, uint16_t echo = 0);
    bool isBackupHeader(const SimPacket &header) const;
    void userThinks(const std::atomic<bool> &stop);
    void note(std::string line);

    SimConfig config_;
    SimMemory memory_;
    const std::atomic<bool> *stop_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::string> pendingSend_;
    std::vector<std::string> log_;
};

} // namespace vexil::link::calcsim
