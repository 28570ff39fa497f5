// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/frame_pacer.h"

#include "core/ticks.h"

FramePacer::FramePacer(Uint32 periodMilliseconds)
    : period(periodMilliseconds), deadline(Ticks() + periodMilliseconds)
{
}

void FramePacer::Wait()
{
    if (TestClockRunning())
        return;
    if (Uint32 sleep = Due(Ticks()))
        Delay(sleep);
}

void FramePacer::Restart()
{
    deadline = Ticks() + period;
}

Uint32 FramePacer::Due(Uint32 now)
{
    // Signed, so that a deadline already passed (and a tick counter that wrapped) reads as late.
    const Sint32 left = static_cast<Sint32>(deadline - now);
    if (left <= 0) {
        deadline = now + period;
        return 0;
    }
    deadline += period;
    return static_cast<Uint32>(left);
}
