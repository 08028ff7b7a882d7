// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryCable.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vexil::link::test {

namespace {

int cableFd = -1;

int Noop(CableHandle *)
{
    return 0;
}

int Reset(CableHandle *)
{
    ::tcflush(cableFd, TCIOFLUSH);
    return 0;
}

// The library's time-out is in tenths of a second, for each block it asks for.
int WaitFor(CableHandle *handle, short events)
{
    pollfd pfd{cableFd, events, 0};
    return ::poll(&pfd, 1, static_cast<int>(handle->timeout) * 100) > 0 && (pfd.revents & events);
}

int Send(CableHandle *handle, uint8_t *data, uint32_t length)
{
    for (uint32_t done = 0; done < length;) {
        if (!WaitFor(handle, POLLOUT)) {
            return ERROR_WRITE_TIMEOUT;
        }
        const ssize_t n = ::write(cableFd, data + done, length - done);
        if (n <= 0) {
            return ERROR_WRITE_TIMEOUT;
        }
        done += static_cast<uint32_t>(n);
    }
    return 0;
}

int Receive(CableHandle *handle, uint8_t *data, uint32_t length)
{
    for (uint32_t done = 0; done < length;) {
        if (!WaitFor(handle, POLLIN)) {
            return ERROR_READ_TIMEOUT;
        }
        const ssize_t n = ::read(cableFd, data + done, length - done);
        if (n <= 0) {
            return ERROR_READ_TIMEOUT;
        }
        done += static_cast<uint32_t>(n);
    }
    return 0;
}

int Check(CableHandle *, int *status)
{
    pollfd pfd{cableFd, POLLIN, 0};
    *status = ::poll(&pfd, 1, 0) > 0 ? STATUS_RX : STATUS_NONE;
    return 0;
}

} // namespace

CableHandle *OpenLibraryCable(int fd)
{
    cableFd = fd;
    CableHandle *cable = ticables_handle_new(CABLE_ILP, PORT_0);
    if (!cable) {
        return nullptr;
    }
    CableFncts *operations = cable->cable;
    operations->open = Noop;
    operations->close = Noop;
    operations->reset = Reset;
    operations->probe = Noop;
    operations->timeout = Noop;
    operations->send = Send;
    operations->recv = Receive;
    operations->check = Check;
    ticables_options_set_timeout(cable, 30);
    if (ticables_cable_open(cable) != 0) {
        ticables_handle_del(cable);
        return nullptr;
    }
    return cable;
}

void CloseLibraryCable(CableHandle *cable)
{
    ticables_cable_close(cable);
    ticables_handle_del(cable);
    cableFd = -1;
}

} // namespace vexil::link::test
