// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/sign_points.h"

#include "core/frame_look.h"
#include "core/ticks.h"
#include "game/tumblo_engine.h"
#include "media/text_engine.h"

void SignPoints::Catch(const TumbloEngine& playfield, Uint32 now)
{
    if (playfield.GetLastPoints() == 0)
        return;
    points = playfield.GetLastPoints();
    lines = playfield.GetLastLines();
    tick = now;
}

void SignPoints::Draw(int x, int y, Uint32 now) const
{
    if (Shown(now))
        gOrangeFont.PutStringF(x, y, "%i x %i = %i", lines, lines * 10, points);
}

Uint32 SignPoints::QuietFor(Uint32 now) const
{
    return Shown(now) ? TicksUntilPassed(tick, SIGN_POINTS_SHOW_MS - 1, now) : TICKS_QUIET_FOREVER;
}

void SignPoints::AddLook(FrameLook& look, Uint32 now) const
{
    const bool shown = Shown(now);
    look.Add(shown ? points : 0);
    look.Add(shown ? lines : 0);
}
