// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_TICKS_H
#define KOLVO_CORE_TICKS_H

#include <SDL/SDL.h>

// Every delay, repeat guard and animation of the game reads time through Ticks(), in milliseconds,
// and compares unsigned differences, so a wrapped counter still measures correctly. Tests replace
// the source and drive time exactly instead of sleeping.
using TickSource = Uint32 (*)();
using DelaySink = void (*)(Uint32 milliseconds);

Uint32 Ticks();

// Gives the processor back while a loop waits or paces itself. Through the same seam, so that a
// test clock can let time pass instead of sleeping.
void Delay(Uint32 milliseconds);

// True while a test has replaced the tick source: waits that only pace the loop must then not
// sleep, nor let the test's time pass.
bool TestClockRunning();

// The rules act once more than `wait` milliseconds have passed since the tick count `since`. This
// is how long from now that is: 0 once they have, and never more than TICKS_QUIET_FOREVER.
constexpr Uint32 TICKS_QUIET_FOREVER = 0xFFFFFFFF;
Uint32 TicksUntilPassed(Uint32 since, Uint64 wait, Uint32 now);

// nullptr restores SDL's own timer and sleep.
void SetTickSource(TickSource source);
void SetDelaySink(DelaySink sink);

#endif
