// SPDX-License-Identifier: GPL-3.0-or-later
// A cable for the TI link libraries that moves whole bytes over a file
// descriptor, as a TI-Graph Link does over its serial port. The libraries' own
// serial cable insists on a real serial port; their in-process cable leaves its
// operations to the program that uses it, so these take its place.
#pragma once

#include "TiLibraries.h"

namespace vexil::link::test {

// Attaches the in-process cable to `fd` (the computer's side of a
// pseudo-terminal) and returns it opened; nullptr on failure. One at a time.
CableHandle *OpenLibraryCable(int fd);
void CloseLibraryCable(CableHandle *cable);

} // namespace vexil::link::test
