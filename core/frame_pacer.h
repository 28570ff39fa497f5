// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_FRAME_PACER_H
#define KOLVO_CORE_FRAME_PACER_H

#include <SDL/SDL.h>

// Frame periods, in milliseconds. The game modes and the name entry run at 125 frames a second:
// fast enough that a key held for one period is seen by a frame, and no rule changes, since every
// rule compares tick differences. The menu-style screens show nothing that moves faster than a
// mouse pointer.
constexpr Uint32 FRAME_PERIOD_MS = 8;
constexpr Uint32 FRAME_PERIOD_MENU_MS = 16;

// Paces a frame loop to a fixed period: Wait, at the end of each frame, sleeps until the frame's
// deadline, which lies one period after the previous deadline. So only what the frame's own work
// left of the period is slept, and the loop keeps its rate on average. A frame that overran its
// deadline sleeps nothing, and the next deadline is one period from then: late frames are not
// made up for with a burst of short ones.
//
// While a test clock runs, Wait sleeps nothing and lets no time pass: a test's time moves only
// when the test moves it.
class FramePacer {
public:
    explicit FramePacer(Uint32 periodMilliseconds = FRAME_PERIOD_MS);
    void Wait();
    // Starts the period afresh from now, after the loop has waited in some other way.
    void Restart();

    // The arithmetic of Wait: how many milliseconds to sleep at tick count now, with the
    // deadline moved on to the next frame's.
    Uint32 Due(Uint32 now);

private:
    Uint32 period;
    Uint32 deadline;  // tick count at which the current frame ends
};

#endif
