// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/ticks.h"

static TickSource tickSource = nullptr;
static DelaySink delaySink = nullptr;

Uint32 Ticks()
{
    return tickSource ? tickSource() : SDL_GetTicks();
}

void Delay(Uint32 milliseconds)
{
    if (delaySink)
        delaySink(milliseconds);
    else
        SDL_Delay(milliseconds);
}

Uint32 TicksUntilPassed(Uint32 since, Uint64 wait, Uint32 now)
{
    const Uint32 passed = now - since;
    if (passed > wait)
        return 0;
    const Uint64 left = wait + 1 - passed;
    return left < TICKS_QUIET_FOREVER ? Uint32(left) : TICKS_QUIET_FOREVER;
}

bool TestClockRunning()
{
    return tickSource != nullptr;
}

void SetTickSource(TickSource source)
{
    tickSource = source;
}

void SetDelaySink(DelaySink sink)
{
    delaySink = sink;
}
