// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepad_edge.h"

#include <SDL/SDL.h>

// SDL 1.2 numbers a pad's buttons its own way; which layout that is, the game decides from SDL's
// version, the player's settings and the pad (ChooseGamepadLayout).
bool PadsInStandardMapping()
{
    return false;
}

// SDL 1.2 counts the pads it found when its joysticks started, numbered from 0.
bool PadThere(int number)
{
    return number < SDL_NumJoysticks();
}

// Neither SDL 1.2 hands over a pad connected later; the game sees the pads of its start.
bool PadsCameOrWent()
{
    return false;
}

void WatchPads(bool) {}
