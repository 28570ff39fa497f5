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

// nullptr restores SDL's own timer and sleep.
void SetTickSource(TickSource source);
void SetDelaySink(DelaySink sink);

#endif
