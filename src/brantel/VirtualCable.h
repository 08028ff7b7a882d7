// SPDX-License-Identifier: GPL-3.0-or-later
// A cable without hardware: a small shared-memory file that two ends map, two
// processes or two threads. Each end's pulls are kept apart and the lines read as
// the wired-AND of both ends, as on the real cable.
#pragma once

#include "brantel/LineBackend.h"

#include <cstdint>
#include <string>

namespace vexil::brantel {

enum class CableEnd : uint8_t { Computer = 0, Calculator = 1 };

class VirtualCable final : public LineBackend {
public:
    // Maps the cable file at `path`, creating it only where no file exists. Any
    // other file (one that is not exactly a cable, or not a regular file) is
    // refused and left as it is: ok() is false and error() says why.
    VirtualCable(const std::string &path, CableEnd end);
    ~VirtualCable() override;
    VirtualCable(const VirtualCable &) = delete;
    VirtualCable &operator=(const VirtualCable &) = delete;

    bool ok() const { return word_ != nullptr; }
    const std::string &error() const { return error_; }

    // A strict cable shows each end only the lines as they are when it looks,
    // as a real cable does; otherwise an end also learns of an idle moment it
    // was too slow to see (see VirtualCable.cpp). Stored in the file, so it
    // holds for both ends. As on a real cable, an end that turns round from
    // receiving to sending must leave the lines idle long enough for the other
    // to see its last bit end; both of ours pause for that, but an end that a
    // loaded machine does not run for longer still loses the moment.
    void setStrict(bool strict);
    bool strict() const;

    void drive(uint8_t value) override;
    uint8_t sample() override;

private:
    bool attach(int fd);

    uint32_t *word_ = nullptr; // the lines word inside the mapping
    uint32_t *sleepers_ = nullptr;
    uint32_t *flags_ = nullptr;
    void *mapping_ = nullptr;
    unsigned shift_ = 0;    // where this end's two pull bits sit in the word
    uint32_t seenIdle_ = 0; // idle count at this end's last sample
    unsigned quietPolls_ = 0;
    uint8_t lastSample_ = 0;
    std::string error_;
};

} // namespace vexil::brantel
