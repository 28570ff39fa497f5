// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_SIGN_POINTS_H
#define KOLVO_GAME_SIGN_POINTS_H

#include <SDL/SDL.h>

class FrameLook;
class TumbloEngine;

// How long the points of a row clear stay on screen, in milliseconds.
constexpr Uint32 SIGN_POINTS_SHOW_MS = 1000;

// The "lines x ten times lines = points" sign over a playfield after it cleared rows.
class SignPoints {
public:
    void Start(Uint32 now) { tick = now; }
    // Takes what the playfield's latest step scored, if anything.
    void Catch(const TumbloEngine& playfield, Uint32 now);
    // Writes the sign in the orange font while it is fresh.
    void Draw(int x, int y, Uint32 now) const;
    void AddLook(FrameLook& look, Uint32 now) const;  // what Draw shows at now
    // Milliseconds from now until a sign shown goes; TICKS_QUIET_FOREVER when none is.
    Uint32 QuietFor(Uint32 now) const;

private:
    bool Shown(Uint32 now) const { return points != 0 && now - tick < SIGN_POINTS_SHOW_MS; }

    int points = 0;
    int lines = 0;
    Uint32 tick = 0;
};

#endif
