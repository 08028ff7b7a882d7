// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimPort.h"

#include <thread>

namespace vexil::link::calcsim {

SimPort::SimPort(SimWire &wire, uint8_t machineId, const std::atomic<bool> &stop, SimFaults faults)
    : wire_(wire), id_(machineId), stop_(stop), faults_(faults)
{
}

uint8_t SimPort::getByte(bool patient)
{
    const auto byte = wire_.get(patient);
    if (!byte)
        throw ExchangeEnded{};
    return *byte;
}

void SimPort::putByte(uint8_t byte)
{
    if (!wire_.put(byte))
        throw ExchangeEnded{};
}

bool SimPort::carriesData(uint8_t command) const
{
    return command == command::kVarHeader || command == command::kData ||
           command == command::kRefusal || command == command::kRequest ||
           command == command::kRequestToSend || command == 0x88;
}

bool SimPort::idleUntil(const std::function<bool()> &wake)
{
    // Poll hard for a moment, then gently: an idle calculator should not take a
    // processor away from the computer it is waiting for.
    for (unsigned polls = 0;; ++polls) {
        if (stop_.load())
            throw ExchangeEnded{};
        if (wire_.active())
            return true;
        if (wake())
            return false;
        if (polls > 20000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void SimPort::fallSilent()
{
    // A calculator that has stopped answering leaves the lines alone.
    while (!stop_.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    throw ExchangeEnded{};
}

Packet SimPort::receive(bool patient)
{
    for (;;) {
        if (silenced_)
            fallSilent();
        Packet p(4);
        p[0] = getByte(patient);
        for (size_t i = 1; i < 4; ++i)
            p[i] = getByte(false);
        if (carriesData(p[1])) {
            const size_t n = lengthField(p);
            p.resize(n + 6);
            for (size_t i = 4; i < p.size(); ++i)
                p[i] = getByte(false);
        }
        const int number = received_++;
        if (faults_.stopAfterPackets >= 0 && received_ >= faults_.stopAfterPackets)
            silenced_ = true;
        if (number == faults_.unexpectedReplyTo)
            replaceNextReply_ = true;
        if (p.size() > 4 &&
            !ChecksumOk(p, static_cast<uint16_t>(p[p.size() - 2] | p[p.size() - 1] << 8))) {
            const Packet again = headerPacket(id_, command::kChecksumError);
            for (uint8_t b : again)
                putByte(b);
            continue;
        }
        if (silenced_)
            fallSilent();
        return p;
    }
}

void SimPort::send(const Packet &packet)
{
    if (replaceNextReply_) {
        replaceNextReply_ = false;
        last_ = headerPacket(packet[0], command::kEndOfTransmission);
        for (uint8_t b : last_)
            putByte(b);
        throw ExchangeEnded{};
    }
    last_ = packet;
    Packet wire = packet;
    if (wire.size() > 4 && dataSent_++ == faults_.corruptDataPacket)
        wire.back() ^= 0x01;
    for (uint8_t b : wire)
        putByte(b);
}

void SimPort::resend()
{
    for (uint8_t b : last_)
        putByte(b);
}

} // namespace vexil::link::calcsim
