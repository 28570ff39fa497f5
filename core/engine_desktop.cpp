// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine_edge.h"

static void (*onExposed)() = nullptr;

// A filter sees every event SDL posts and lets it through.
static int NoteExposure(const SDL_Event* event)
{
    if (event->type == SDL_VIDEOEXPOSE && onExposed)
        onExposed();
    return 1;
}

Uint8* HeldKeys()
{
    return SDL_GetKeyState(nullptr);
}

void WatchExposure(void (*exposed)())
{
    onExposed = exposed;
    SDL_SetEventFilter(NoteExposure);
}
