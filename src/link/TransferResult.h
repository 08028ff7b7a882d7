// SPDX-License-Identifier: GPL-3.0-or-later
// The outcome of every send and receive operation, and the texts the transfer
// dialog shows for it. Each text ends in two spaces: a retry prompt follows.
#pragma once

namespace vexil::link {

enum class TransferResult : int {
    Ok = 0,
    TransmissionError = 1, // an unexpected command or a missing acknowledgement
    RefusedExit = 2,       // the calculator refused with reason 1
    RefusedSkip = 3,       // ... with reason 2
    MemoryFull = 4,        // ... with reason 3
    Cancelled = 5,
    Timeout = 6,
};

// The message for a result, or nullptr when the dialog simply closes.
const char *ResultMessage(TransferResult result);

inline constexpr const char *kScreenshotTimeoutText =
    "Timeout!  Check your cables and make sure calculator is in a screenshot gettable mode "
    "(progress indicator is not going).  ";
inline constexpr const char *kRetrySendProgram =
    "Click Send to send the program again, or Cancel if you don't want to bother.";
inline constexpr const char *kRetrySendFiles =
    "Click Send to send all the files again, or Cancel if you don't want to bother.";
inline constexpr const char *kRetryReceive =
    "Click Receive to receive the variables again, or Cancel if you don't want to bother.";

} // namespace vexil::link
