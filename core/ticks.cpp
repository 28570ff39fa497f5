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
