// SPDX-License-Identifier: GPL-3.0-or-later
// What dropping files on the calculator sends. One file goes as it is: a
// variable, a group or a backup by its extension. Several go as a list of single
// variables, so a backup or a group among them refuses the whole drop, and a file
// that is not a TI-82 or TI-83 variable file, or cannot be read, is left out with
// a message while the others still go.
#pragma once

#include "link/manager/FileCommands.h"

#include <cstddef>
#include <string>

namespace vexil::link::manager {

struct SendPlan {
    enum class Kind {
        Nothing, // no file: the caller beeps
        OneFile, // send files[0] by its extension
        List,    // send files as a list
        Refused, // the message has been reported; nothing is sent
    };
    Kind kind = Kind::Nothing;
    Paths files;
};

// `files` in the order they are listed. Reads the first bytes of each file of a
// list; an empty list after leaving files out sends nothing.
SendPlan PlanSend(const Paths &files, const Report &report);

// The hint while files are dragged over the calculator: "Send 3 files".
std::string SendHint(std::size_t count);

inline constexpr const char *kReceiveHint = "Receive from Calculator";
inline constexpr const char *kNoBackupOrGroupInList =
    "Sorry, but you cannot send multiple files if one of them is a backup or a group.";
std::string NotAVariableFileMessage(const std::string &fileName);
std::string CannotReadForSendMessage(const std::string &fileName, const std::string &reason);

} // namespace vexil::link::manager
