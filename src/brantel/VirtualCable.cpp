// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/VirtualCable.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/futex.h>
#include <sched.h>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vexil::brantel {

namespace {

// File layout: magic, then the lines word. A fresh cable is idle, because the
// word holds pulls, not drive levels.
//   bits 0-1  computer end: bit 0 pulls line A, bit 1 pulls line B
//   bits 2-3  calculator end, the same
//   bits 4-31 how many times the lines have become idle, wrapping
// The idle count exists because idle is the one state that an end can leave
// without waiting for the other: a sender that sees both lines high may start its
// next bit at once. Unless the cable is strict, an end that was not scheduled
// during that instant is still shown the idle it missed, as a poller that had
// been running would have seen it. A strict cable shows what a real one shows,
// so the bit protocol has to cope on its own.
constexpr uint32_t kMagic = 0x4C425856; // "VXBL"
constexpr size_t kFileSize = 64;
constexpr uint32_t kPullBits = 0x0F;
constexpr uint32_t kIdleStep = 0x10;
// An end that keeps seeing the same lines first spins (the other end usually
// answers within a microsecond), then yields its processor on every poll (on a
// busy machine that hands over far quicker than a sleep and a wake-up), and
// only in a long wait, such as for a user at the calculator, sleeps until the
// word changes.
constexpr unsigned kPollsBeforeYield = 64;
constexpr unsigned kPollsBeforeSleep = kPollsBeforeYield + 2000;
// A sleeping end still wakes this often, so the caller's pump and break flag
// are looked at.
constexpr long kSleepNanoseconds = 1'000'000;

constexpr uint32_t kStrict = 1;

struct CableFile {
    uint32_t magic;
    uint32_t lines;
    uint32_t sleepers; // ends asleep on `lines`; drive() only wakes when non-zero
    uint32_t flags;
};

constexpr const char *kNotACable = "the file is not a virtual cable";

// Puts a complete idle cable file at `path` unless a file is already there: it
// is written under a temporary name and linked into place, so no other end
// (and no other file) ever sees a half-made cable. False only when creating
// failed; an existing file is left for the caller to check.
bool CreateCable(const std::string &path, std::string &error)
{
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    CableFile fresh{};
    fresh.magic = kMagic;
    unsigned char bytes[kFileSize] = {};
    std::memcpy(bytes, &fresh, sizeof fresh);
    const bool written = ::write(fd, bytes, sizeof bytes) == static_cast<ssize_t>(sizeof bytes);
    int failure = errno;
    ::close(fd);
    bool linked = false;
    if (written) {
        // A file system without hard links may still rename without replacing.
        linked = ::link(temporary.c_str(), path.c_str()) == 0 || errno == EEXIST ||
                 ((errno == EPERM || errno == EOPNOTSUPP) &&
                  ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(),
                              RENAME_NOREPLACE) == 0) ||
                 errno == EEXIST;
        failure = errno;
    }
    ::unlink(temporary.c_str());
    if (!linked) {
        error = std::strerror(failure);
    }
    return linked;
}

void FutexWait(uint32_t *word, uint32_t expected)
{
    const timespec timeout{0, kSleepNanoseconds};
    ::syscall(SYS_futex, word, FUTEX_WAIT, expected, &timeout, nullptr, 0);
}

void FutexWakeAll(uint32_t *word)
{
    ::syscall(SYS_futex, word, FUTEX_WAKE, INT_MAX, nullptr, nullptr, 0);
}

uint8_t Levels(uint32_t word)
{
    const uint32_t pulls = (word | (word >> 2)) & 3;
    return static_cast<uint8_t>(((pulls & 1) ? 0 : kLineAHigh) | ((pulls & 2) ? 0 : kLineBHigh));
}

} // namespace

VirtualCable::VirtualCable(const std::string &path, CableEnd end)
    : shift_(end == CableEnd::Computer ? 0 : 2)
{
    // O_NONBLOCK: a FIFO or a device given as the cable must not block the open.
    int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        if (!CreateCable(path, error_)) {
            return;
        }
        fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    const bool attached = attach(fd);
    ::close(fd);
    if (!attached) {
        return;
    }
    drive(kReleaseBoth);
    seenIdle_ = std::atomic_ref<uint32_t>(*word_).load() & ~kPullBits;
}

// Maps an open file, if it is exactly a cable. Nothing is written before that
// is known.
bool VirtualCable::attach(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode) || st.st_size != static_cast<off_t>(kFileSize)) {
        error_ = kNotACable;
        return false;
    }
    void *map = ::mmap(nullptr, kFileSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        error_ = std::strerror(errno);
        return false;
    }
    auto *file = static_cast<CableFile *>(map);
    if (std::atomic_ref<uint32_t>(file->magic).load() != kMagic) {
        ::munmap(map, kFileSize);
        error_ = kNotACable;
        return false;
    }
    mapping_ = map;
    word_ = &file->lines;
    sleepers_ = &file->sleepers;
    flags_ = &file->flags;
    return true;
}

VirtualCable::~VirtualCable()
{
    if (!mapping_) {
        return;
    }
    drive(kReleaseBoth);
    ::munmap(mapping_, kFileSize);
}

void VirtualCable::setStrict(bool strict)
{
    std::atomic_ref<uint32_t> flags(*flags_);
    if (strict) {
        flags.fetch_or(kStrict);
    } else {
        flags.fetch_and(~kStrict);
    }
}

bool VirtualCable::strict() const
{
    return (std::atomic_ref<uint32_t>(*flags_).load() & kStrict) != 0;
}

void VirtualCable::drive(uint8_t value)
{
    const uint32_t mine = (~value & 3u) << shift_;
    std::atomic_ref<uint32_t> word(*word_);
    uint32_t old = word.load();
    for (;;) {
        uint32_t next = (old & ~(3u << shift_)) | mine;
        if ((next & kPullBits) == 0 && (old & kPullBits) != 0) {
            next += kIdleStep;
        }
        if (word.compare_exchange_weak(old, next)) {
            break;
        }
    }
    // A sleeper counts itself in before it sleeps and the kernel re-checks the
    // word, so either it sees this change or it is counted here.
    if (std::atomic_ref<uint32_t>(*sleepers_).load() != 0) {
        FutexWakeAll(word_);
    }
}

uint8_t VirtualCable::sample()
{
    const uint32_t word = std::atomic_ref<uint32_t>(*word_).load();
    const uint32_t idle = word & ~kPullBits;
    uint8_t state = Levels(word);
    if (idle != seenIdle_) {
        seenIdle_ = idle;
        if (!strict()) {
            state = kLineMask;
        }
    }
    // Waiting ends only when the other end moves: sleep until it does.
    if (state == lastSample_) {
        ++quietPolls_;
        if (quietPolls_ >= kPollsBeforeYield && quietPolls_ < kPollsBeforeSleep) {
            ::sched_yield();
        } else if (quietPolls_ >= kPollsBeforeSleep) {
            std::atomic_ref<uint32_t> sleepers(*sleepers_);
            sleepers.fetch_add(1);
            FutexWait(word_, word);
            sleepers.fetch_sub(1);
        }
    } else {
        quietPolls_ = 0;
        lastSample_ = state;
    }
    return state;
}

} // namespace vexil::brantel
