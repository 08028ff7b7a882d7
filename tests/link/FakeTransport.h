// SPDX-License-Identifier: GPL-3.0-or-later
// A byte transport fed from a list, recording what is sent, for packet tests.
#pragma once

#include "link/ByteTransport.h"

#include <deque>
#include <functional>
#include <vector>

namespace vexil::link::test {

class FakeTransport final : public ByteTransport {
public:
    explicit FakeTransport(std::vector<uint8_t> bytes = {}) : input(bytes.begin(), bytes.end()) {}

    void sendByte(uint8_t byte) override
    {
        timedOut = false;
        sent.push_back(byte);
        if (onSend) {
            onSend(sent.size());
        }
    }
    std::optional<uint8_t> receiveByte() override
    {
        timedOut = input.empty();
        if (input.empty()) {
            return std::nullopt;
        }
        const uint8_t b = input.front();
        input.pop_front();
        return b;
    }
    bool dataReady() override { return !input.empty(); }
    void releaseLines() override { ++releases; }
    uint8_t readLines() override { return input.empty() ? 0x30 : 0x20; }
    // Running out of input is what a read time-out looks like.
    bool lastByteTimedOut() const override { return timedOut; }

    std::deque<uint8_t> input;
    std::vector<uint8_t> sent;
    int releases = 0;
    bool timedOut = false;
    std::function<void(size_t)> onSend;
};

} // namespace vexil::link::test
