// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/DeviceLines.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vexil::brantel {

namespace {

// The group that owns the device node, when it can be told, else the usual one.
std::string OwningGroup(const std::string &device, const char *fallback)
{
    struct stat st {};
    if (::stat(device.c_str(), &st) == 0) {
        if (const struct group *g = ::getgrgid(st.st_gid)) {
            return g->gr_name;
        }
    }
    return fallback;
}

} // namespace

std::string DeviceErrorMessage(const std::string &device, int error, const char *group)
{
    std::string text = "Cannot open " + device + ": " + std::strerror(error) + ".";
    switch (error) {
    case EACCES:
    case EPERM: {
        const std::string owner = OwningGroup(device, group);
        text += " Your user may not use the device: add it to the group \"" + owner +
                "\" (sudo adduser $USER " + owner + "), then log out and in again.";
        if (std::strcmp(group, "lp") == 0) {
            text += " Or install the udev rule 70-vexil-parport.rules that comes with Vexil "
                    "(the package puts it in /usr/lib/udev/rules.d): it gives the user logged "
                    "in at the computer the parallel ports; then run \"sudo udevadm trigger\". "
                    "The help page \"Cables on Linux\" tells more.";
        } else {
            text += " The help page \"Cables on Linux\" tells more.";
        }
        break;
    }
    case ENOENT:
    case ENODEV:
    case ENXIO:
        if (std::strcmp(group, "lp") == 0) {
            text += " The port does not exist: check the port chosen in the options, and that "
                    "the kernel modules parport_pc and ppdev are loaded.";
        } else {
            text += " The port does not exist: check the port chosen in the options, and that "
                    "the adapter is plugged in.";
        }
        break;
    case EBUSY:
        text += " Another program is using the port; close it and try again.";
        break;
    default:
        break;
    }
    return text;
}

ParportLines::~ParportLines()
{
    drive(kReleaseBoth);
    ::ioctl(fd_, PPRELEASE);
    ::close(fd_);
}

void ParportLines::drive(uint8_t value)
{
    unsigned char data = value & 3;
    ::ioctl(fd_, PPWDATA, &data);
}

uint8_t ParportLines::sample()
{
    unsigned char status = 0;
    ::ioctl(fd_, PPRSTATUS, &status);
    return status;
}

OpenedLines OpenParport(const std::string &device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return {nullptr, DeviceErrorMessage(device, errno, "lp")};
    }
    int mode = IEEE1284_MODE_COMPAT;
    if (::ioctl(fd, PPCLAIM) != 0) {
        const int error = errno;
        ::close(fd);
        return {nullptr, DeviceErrorMessage(device, error, "lp")};
    }
    if (::ioctl(fd, PPSETMODE, &mode) != 0) {
        const int error = errno;
        ::ioctl(fd, PPRELEASE);
        ::close(fd);
        return {nullptr, DeviceErrorMessage(device, error, "lp")};
    }
    auto lines = std::make_unique<ParportLines>(fd);
    // A calculator tries to receive while a line is held low: let go at once.
    lines->drive(kReleaseBoth);
    return {std::move(lines), {}};
}

SerialLines::~SerialLines()
{
    // Released first: with HUPCL cleared the lines stay as they are left here.
    drive(kReleaseBoth);
    ::close(fd_);
}

void SerialLines::drive(uint8_t value)
{
    int bits = 0;
    ::ioctl(fd_, TIOCMGET, &bits);
    bits = (bits & ~(TIOCM_DTR | TIOCM_RTS)) | ((value & 1) ? TIOCM_DTR : 0) |
           ((value & 2) ? TIOCM_RTS : 0);
    ::ioctl(fd_, TIOCMSET, &bits);
}

uint8_t SerialLines::sample()
{
    int bits = 0;
    ::ioctl(fd_, TIOCMGET, &bits);
    return static_cast<uint8_t>(((bits & TIOCM_DSR) ? kLineAHigh : 0) |
                                ((bits & TIOCM_CTS) ? kLineBHigh : 0));
}

OpenedLines OpenSerialLines(const std::string &device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {nullptr, DeviceErrorMessage(device, errno, "dialout")};
    }
    int bits = 0;
    if (::ioctl(fd, TIOCMGET, &bits) != 0) {
        const int error = errno;
        ::close(fd);
        std::string text = DeviceErrorMessage(device, error, "dialout");
        if (error == ENOTTY || error == EINVAL) {
            text += " It has no modem-control lines, so a serial link cable cannot work on it.";
        }
        return {nullptr, text};
    }
    auto lines = std::make_unique<SerialLines>(fd);
    lines->drive(kReleaseBoth);
    KeepModemLinesOnClose(fd);
    return {std::move(lines), {}};
}

bool KeepModemLinesOnClose(int fd)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        return false;
    }
    tio.c_cflag &= ~static_cast<tcflag_t>(HUPCL);
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace vexil::brantel
