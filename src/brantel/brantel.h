// SPDX-License-Identifier: GPL-3.0-or-later
// The link cable driver: one byte at a time over the cable's two lines, with a
// full handshake per bit. A wait ends when the other end moves, when the sticky
// break flag is set, or, only when the caller asks for one, after a time limit.
//
// The five classic entry points keep their historic names; everything Linux adds
// (the event pump, the choice of line back-end, raw line access for the packet
// layer) carries the prefix brantel_.
#ifndef BRANTEL_BRANTEL_H
#define BRANTEL_BRANTEL_H

#include <stddef.h>
#include <stdint.h>

#if defined(BRANTEL_BUILDING)
#define BRANTEL_API __attribute__((visibility("default")))
#else
#define BRANTEL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Stores the two port numbers; kept for callers that still pass them. The lines
 * themselves are reached through the back-end chosen with brantel_open_lines. */
BRANTEL_API void SetPorts(uint16_t inputPort, uint16_t outputPort);

/* Exactly 1 aborts every wait and every later call until another value is stored. */
BRANTEL_API void SetBrk(int32_t flag);
BRANTEL_API int32_t GetBrk(void);

/* Sends the low 8 bits of `byte`, least significant bit first. Returns when the
 * byte is through or the break flag is 1; an abort is not reported. */
BRANTEL_API void Put82(int32_t byte);

/* Receives one byte; 0 when aborted by the break flag (0 is also a legal byte). */
BRANTEL_API uint8_t Get82(void);

/* The longest one bit may wait for each move of the other end; 0 (the default)
 * waits for ever, until the break flag. A wait that runs out ends the call as
 * the break flag would, with the lines as they are, but the flag stays as it was. */
BRANTEL_API void brantel_set_timeout(int32_t milliseconds);
/* 1 when the last Put82 or Get82 ended because a wait ran out. */
BRANTEL_API int brantel_timed_out(void);

/* Called once per pass of every wait loop, so a user interface stays alive while
 * a byte waits for the other end. NULL removes it. */
typedef void (*brantel_pump_fn)(void *context);
BRANTEL_API void brantel_set_pump(brantel_pump_fn pump, void *context);

enum brantel_lines_kind {
    BRANTEL_LINES_NONE = 0,    /* nothing attached: the lines read idle, writes vanish */
    BRANTEL_LINES_VIRTUAL = 1, /* a shared-memory cable file; this end is the computer */
    BRANTEL_LINES_PARPORT = 2, /* /dev/parportN through ppdev (home-made parallel cable) */
    BRANTEL_LINES_SERIAL = 3   /* modem-control lines of a tty (serial black link) */
};

/* Closes the current back-end and opens `device` as the given kind. Returns 0 on
 * success. On failure returns -1, leaves no back-end attached, and writes a
 * message naming the device and the likely cause into `message` (NUL-terminated,
 * cut to `message_size`). */
BRANTEL_API int brantel_open_lines(int kind, const char *device, char *message,
                                   size_t message_size);
BRANTEL_API void brantel_close_lines(void);

/* Raw line access for the packet layer: write 1, 2 or 3 (a 0 bit pulls its line
 * low); read the lines in bits 4 and 5 (0x30 when both are high). */
BRANTEL_API void brantel_write_lines(int value);
BRANTEL_API int brantel_read_lines(void);

#ifdef __cplusplus
}
#endif

#endif
