// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator's packets: framed as a calculator frames them, over
// a wire, checked for the sender's machine id, with the faults a test asks for.
#pragma once

#include "link/calcsim/SimPacket.h"
#include "link/calcsim/SimVariables.h"
#include "link/calcsim/SimWire.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vexil::link::calcsim {

// Thrown to end the exchange in progress: the calculator goes back to waiting.
struct ExchangeEnded {};

struct SimFaults {
    // The data packet with this number (0 = the first data-carrying packet the
    // calculator sends) goes out once with a wrong checksum.
    int corruptDataPacket = -1;
    // After this many packets have been received the calculator stops answering.
    int stopAfterPackets = -1;
    // The reply to the packet with this number (0 = the first received) is an
    // end-of-transmission instead of what the exchange calls for.
    int unexpectedReplyTo = -1;
    // After this many bytes in either direction the calculator goes dead in the
    // middle of whatever it was doing, as one switched off or unplugged does.
    long deadAfterBytes = -1;
};

// How often the calculator asks for a damaged packet again before it gives up.
inline constexpr int kSimResendRequests = 5;

class SimPort {
public:
    // `checkMachineId`: packets from a machine id the model does not talk to
    // are read and ignored, as a calculator ignores them. `answerDelay`: the
    // time the calculator takes before each packet it sends. `note` logs a line.
    SimPort(SimWire &wire, SimModel model, const std::atomic<bool> &stop, SimFaults faults,
            bool checkMachineId, std::chrono::microseconds answerDelay,
            std::function<void(std::string)> note);

    // Waits while the cable is idle. True when the computer starts to send,
    // false as soon as `wake` says the calculator has something to do itself.
    // Ends the exchange when stopped.
    bool idleUntil(const std::function<bool()> &wake);

    // The next packet. `patient` waits for ever (a calculator waiting in a
    // menu); otherwise the exchange ends when the computer goes quiet for longer
    // than the wire's time-out. A damaged data packet is answered with a
    // checksum error and read again. Ends the exchange when stopped.
    SimPacket receive(bool patient);
    // A packet without data, or with data and its checksum; ends the exchange
    // when the other end does not take it.
    void send(uint8_t command, uint16_t word = 0);
    void send(uint8_t command, std::span<const uint8_t> data);
    // The last packet sent, again (the answer to a checksum error).
    void resend();

    // The calculator stops touching the line until it is stopped.
    [[noreturn]] void goDead();

private:
    uint8_t getByte(bool patient);
    void putByte(uint8_t byte);
    void put(std::vector<uint8_t> bytes);
    bool accepted(uint8_t sender) const;
    void countByte();

    SimWire &wire_;
    SimModel model_;
    uint8_t id_;
    const std::atomic<bool> &stop_;
    SimFaults faults_;
    bool checkMachineId_;
    std::chrono::microseconds answerDelay_;
    std::function<void(std::string)> note_;
    int received_ = 0;
    int dataSent_ = 0;
    long bytes_ = 0;
    bool replaceNextReply_ = false;
    bool silenced_ = false;
    std::vector<uint8_t> last_;
};

} // namespace vexil::link::calcsim
