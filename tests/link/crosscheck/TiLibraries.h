// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's TI link libraries from C++: their C headers use the C99 keyword
// `restrict`, which C++ spells differently.
#pragma once

#define restrict __restrict
#include <ticables.h>
#include <ticalcs.h>
#include <tifiles.h>
#undef restrict
