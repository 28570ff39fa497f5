// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_TERMINATION_H
#define KOLVO_CORE_TERMINATION_H

// SIGINT, SIGTERM and SIGHUP (Ctrl+C in a terminal, kill, the session ending) end the program from
// whatever screen runs. The handler only notes the signal; the end of the next frame (screen.h)
// ends the process in order: one log line names the signal, then the process exits with status
// 128 + the signal's number, so the process-wide objects are destroyed as after main (the sound
// stops, SDL quits and gives a switched full-screen mode back, the log gets its footer). Every
// screen ends many frames a second, so the end comes well within one. Nothing is saved on the way
// out, and a highscore file being saved is written whole before the next frame ends.
constexpr int TERMINATION_STATUS_BASE = 128;

// Installs the handlers. Call it before SDL starts its video: SDL then keeps them instead of its
// own, which would turn the signal into a window close that only ends the current screen.
void CatchTerminationSignals();

// Ends the process as above once a signal was noted; returns at once otherwise.
void EndOnTerminationSignal();

#endif
