// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_GAME_CLOCK_H
#define KOLVO_GAME_GAME_CLOCK_H

#include <SDL/SDL.h>

class FrameLook;

// The game clock of both game modes: minutes and seconds in 8 bits each, counted in whole seconds
// of at least 1000 ms. It stands still while it is held (pause, level banner).
class GameClock {
public:
    void Start(Uint32 now) { tick = now; }
    // Counts the whole seconds passed since the last count. False when the 255th minute is
    // complete: the clock cannot show more, the caller ends the game (the log says why).
    bool Update(Uint32 now);
    // Keeps the clock from counting the time until now.
    void Hold(Uint32 now) { tick = now; }
    // Writes "minutes:seconds", unpadded, in the white font.
    void Draw(int x, int y) const;
    void AddLook(FrameLook& look) const;  // what Draw shows
    Uint32 QuietFor(Uint32 now) const;    // milliseconds from now until the next count
    int PlayTime() const { return minutes * 60 + seconds; }  // in seconds

    Uint8 minutes = 0;
    Uint8 seconds = 0;

private:
    Uint32 tick = 0;
};

#endif
