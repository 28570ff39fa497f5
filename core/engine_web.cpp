// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine_edge.h"

// emscripten's SDL keeps the held keys under SDL 1.3's name, indexed by its own key symbols: a
// character's code, or a special key's scan code plus 1024 (Left is 1104), which is exactly what
// its SDLK_ constants say. So the game's keys[SDLK_LEFT] reads the arrow as on SDL 1.2.
Uint8* HeldKeys()
{
    return SDL_GetKeyboardState(nullptr);
}

// The canvas keeps what was drawn on it; nothing is ever exposed.
void WatchExposure(void (*)()) {}
