// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferResult.h"

namespace vexil::link {

const char *ResultMessage(TransferResult result)
{
    switch (result) {
    case TransferResult::TransmissionError:
        return "An error occurred during transmission.  ";
    case TransferResult::MemoryFull:
        return "Error: Memory Full.  Try deleting some other programs.  ";
    case TransferResult::Cancelled:
        return "Transmission cancelled.  ";
    case TransferResult::Timeout:
        return "Timeout!  Check your cables and make sure calculator is in the Link menu.  ";
    case TransferResult::Ok:
    case TransferResult::RefusedExit:
    case TransferResult::RefusedSkip:
        break;
    }
    return nullptr;
}

} // namespace vexil::link
