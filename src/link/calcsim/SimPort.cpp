// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimPort.h"

#include <cstdio>
#include <thread>

namespace vexil::link::calcsim {

SimPort::SimPort(SimWire &wire, SimModel model, const std::atomic<bool> &stop, SimFaults faults,
                 bool checkMachineId, std::chrono::microseconds answerDelay,
                 std::function<void(std::string)> note)
    : wire_(wire), model_(model), id_(CalculatorId(model)), stop_(stop), faults_(faults),
      checkMachineId_(checkMachineId), answerDelay_(answerDelay), note_(std::move(note))
{
}

void SimPort::countByte()
{
    if (faults_.deadAfterBytes >= 0 && ++bytes_ >= faults_.deadAfterBytes) {
        goDead();
    }
}

uint8_t SimPort::getByte(bool patient)
{
    const auto byte = wire_.get(patient);
    if (!byte) {
        throw ExchangeEnded{};
    }
    countByte();
    return *byte;
}

void SimPort::putByte(uint8_t byte)
{
    if (!wire_.put(byte)) {
        throw ExchangeEnded{};
    }
    countByte();
}

// Each model talks to computers sending for it and to its own kind; the TI-83
// also to the TI-82 and to computers sending TI-82 data.
bool SimPort::accepted(uint8_t sender) const
{
    if (sender == 0x02 || sender == 0x82) {
        return true;
    }
    return model_ == SimModel::TI83 && (sender == 0x03 || sender == 0x83);
}

bool SimPort::idleUntil(const std::function<bool()> &wake)
{
    // Poll hard for a moment, then gently: an idle calculator should not take a
    // processor away from the computer it is waiting for.
    for (unsigned polls = 0;; ++polls) {
        if (stop_.load()) {
            throw ExchangeEnded{};
        }
        if (wire_.active()) {
            return true;
        }
        if (wake()) {
            return false;
        }
        if (polls > 20000) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
}

void SimPort::goDead()
{
    while (!stop_.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    throw ExchangeEnded{};
}

SimPacket SimPort::receive(bool patient)
{
    for (int damaged = 0;;) {
        if (silenced_) {
            goDead();
        }
        SimPacket p;
        p.sender = getByte(patient);
        p.command = getByte(false);
        p.word = getByte(false);
        p.word |= static_cast<uint16_t>(getByte(false) << 8);
        uint16_t checksum = 0;
        if (CarriesData(p.command)) {
            p.data.resize(p.word);
            for (auto &b : p.data) {
                b = getByte(false);
            }
            checksum = getByte(false);
            checksum |= static_cast<uint16_t>(getByte(false) << 8);
        }
        const int number = received_++;
        if (faults_.stopAfterPackets >= 0 && received_ >= faults_.stopAfterPackets) {
            silenced_ = true;
        }
        if (number == faults_.unexpectedReplyTo) {
            replaceNextReply_ = true;
        }
        if (checkMachineId_ && !accepted(p.sender)) {
            char line[64];
            std::snprintf(line, sizeof line, "ignored a packet from machine id %02X", p.sender);
            note_(line);
            continue;
        }
        if (CarriesData(p.command) && SumOf(p.data) != checksum) {
            if (++damaged > kSimResendRequests) {
                note_("gave up on a packet that kept arriving damaged");
                throw ExchangeEnded{};
            }
            for (uint8_t b : WireBytes(id_, op::kSendAgain)) {
                putByte(b);
            }
            continue;
        }
        if (silenced_) {
            goDead();
        }
        return p;
    }
}

void SimPort::put(std::vector<uint8_t> bytes)
{
    if (replaceNextReply_) {
        replaceNextReply_ = false;
        last_ = WireBytes(id_, op::kEnd);
        for (uint8_t b : last_) {
            putByte(b);
        }
        throw ExchangeEnded{};
    }
    // The calculator's own work between packets. It also leaves the lines idle
    // long enough for the other end to see that the last bit it sent is over,
    // which an answer at once would hide on a cable as strict as a real one.
    if (answerDelay_.count() > 0) {
        std::this_thread::sleep_for(answerDelay_);
    }
    last_ = bytes;
    if (bytes.size() > 4 && dataSent_++ == faults_.corruptDataPacket) {
        bytes.back() ^= 0x01;
    }
    for (uint8_t b : bytes) {
        putByte(b);
    }
}

void SimPort::send(uint8_t command, uint16_t word)
{
    put(WireBytes(id_, command, word));
}

void SimPort::send(uint8_t command, std::span<const uint8_t> data)
{
    put(WireBytes(id_, command, data));
}

void SimPort::resend()
{
    for (uint8_t b : last_) {
        putByte(b);
    }
}

} // namespace vexil::link::calcsim
