// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/game_clock.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/ticks.h"
#include "media/text_engine.h"

static constexpr Uint32 CLOCK_SECOND_MS = 1000;
static constexpr Uint8 CLOCK_LAST_MINUTE = 255;

bool GameClock::Update(Uint32 now)
{
    if (now - tick <= CLOCK_SECOND_MS)
        return true;
    bool inBounds = true;
    // Kept on purpose: 8-bit counters that wrap as bytes; the clock shows at most 255 minutes, and
    // a game that outlasts them ends, as players have always seen it.
    seconds = static_cast<Uint8>(seconds + (now - tick) / CLOCK_SECOND_MS);
    if (seconds > 59) {
        seconds = static_cast<Uint8>(seconds - 60);
        if (minutes == CLOCK_LAST_MINUTE) {
            gEngine.Log(2, "Clock out of Bound!");
            inBounds = false;
        }
        minutes = static_cast<Uint8>(minutes + 1);
    }
    tick = now;
    return inBounds;
}

Uint32 GameClock::QuietFor(Uint32 now) const
{
    return TicksUntilPassed(tick, CLOCK_SECOND_MS, now);
}

void GameClock::Draw(int x, int y) const
{
    gWhiteFont.PutStringF(x, y, "%i:%i", minutes, seconds);
}

void GameClock::AddLook(FrameLook& look) const
{
    look.Add(minutes);
    look.Add(seconds);
}
