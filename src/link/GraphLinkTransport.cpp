// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/GraphLinkTransport.h"

#include "brantel/DeviceLines.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace vexil::link {

namespace {
// Short enough that the user interface stays responsive while a byte is awaited.
constexpr int kPollSliceMs = 20;
} // namespace

GraphLinkTransport::GraphLinkTransport(LinkHost &host, std::function<bool()> stop, int timeoutMs)
    : host_(host), stop_(std::move(stop)), timeoutMs_(timeoutMs)
{
}

GraphLinkTransport::~GraphLinkTransport()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string GraphLinkTransport::open(const std::string &device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return brantel::DeviceErrorMessage(device, errno, "dialout");
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        const int error = errno;
        ::close(fd);
        return brantel::DeviceErrorMessage(device, error, "dialout") +
               " It is not a serial port, so a TI-Graph Link cannot work on it.";
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(fd, TCSANOW, &tio);
    int raise = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &raise);
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    return {};
}

bool GraphLinkTransport::pastDeadline(std::chrono::steady_clock::time_point start) const
{
    return timeoutMs_ > 0 &&
           std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeoutMs_);
}

void GraphLinkTransport::sendByte(uint8_t byte)
{
    // At 9600 baud a long packet fills the port's buffer, and a calculator that
    // has stopped taking bytes lets it stay full; waiting for room in slices
    // keeps the stop button alive. A lost byte shows up as a missing answer,
    // which the protocol reports.
    timedOut_ = false;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        pollfd pfd{fd_, POLLOUT, 0};
        if (::poll(&pfd, 1, kPollSliceMs) > 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd_, &byte, 1);
            return;
        }
        host_.pumpEvents();
        if (stop_()) {
            return;
        }
        if (pastDeadline(start)) {
            timedOut_ = true;
            return;
        }
    }
}

std::optional<uint8_t> GraphLinkTransport::receiveByte()
{
    timedOut_ = false;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, kPollSliceMs) > 0) {
            uint8_t byte = 0;
            if (::read(fd_, &byte, 1) == 1) {
                return byte;
            }
        }
        host_.pumpEvents();
        if (stop_()) {
            return std::nullopt;
        }
        if (pastDeadline(start)) {
            timedOut_ = true;
            return std::nullopt;
        }
    }
}

bool GraphLinkTransport::dataReady()
{
    int waiting = 0;
    return ::ioctl(fd_, FIONREAD, &waiting) == 0 && waiting > 0;
}

} // namespace vexil::link
