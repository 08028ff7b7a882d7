// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator's packets: framed as a calculator frames them, over
// a wire (the virtual cable, bit by bit), with the faults a test can ask for.
#pragma once

#include "link/Packet.h"
#include "link/calcsim/SimWire.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

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
};

class SimPort {
public:
    SimPort(SimWire &wire, uint8_t machineId, const std::atomic<bool> &stop, SimFaults faults);

    // Waits while the cable is idle. True when the computer starts to send,
    // false as soon as `wake` says the calculator has something to do itself.
    // Ends the exchange when stopped.
    bool idleUntil(const std::function<bool()> &wake);

    // The next packet. `patient` waits for ever (a calculator idling at a menu);
    // otherwise the exchange ends when the computer goes quiet for longer than
    // the time-out. A damaged data packet is answered with a checksum error and
    // read again. Ends the exchange when stopped.
    Packet receive(bool patient);
    // Sends `packet` whole; ends the exchange when the other end does not take it.
    void send(const Packet &packet);
    // The last packet sent, again (the answer to a checksum error).
    void resend();

    bool silenced() const { return silenced_; }

private:
    uint8_t getByte(bool patient);
    void putByte(uint8_t byte);
    bool carriesData(uint8_t command) const;
    [[noreturn]] void fallSilent();

    SimWire &wire_;
    uint8_t id_;
    const std::atomic<bool> &stop_;
    SimFaults faults_;
    int received_ = 0;
    int dataSent_ = 0;
    bool replaceNextReply_ = false;
    bool silenced_ = false;
    Packet last_;
};

} // namespace vexil::link::calcsim
