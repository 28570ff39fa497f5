// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/frame.h"

#include "core/engine.h"
#include "core/termination.h"

#include <cstring>

static FrameHook frameHook;

int ClearScreen(SDL_Surface* screen)
{
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0)
        return -1;
    Uint8* row = static_cast<Uint8*>(screen->pixels);
    const size_t rowBytes = static_cast<size_t>(screen->w) * screen->format->BytesPerPixel;
    for (int y = 0; y < screen->h; ++y, row += screen->pitch)
        memset(row, 0, rowBytes);
    if (SDL_MUSTLOCK(screen))
        SDL_UnlockSurface(screen);
    return 0;
}

int FlipScreen(SDL_Surface* screen)
{
    // A scaled picture is shown by the engine's scaled screen, anything else by SDL itself.
    const bool scaled = screen && screen == gEngine.scaled.Picture();
    int result = scaled ? gEngine.scaled.Present() : SDL_Flip(screen);
    KeepFrame();
    return result;
}

void KeepFrame()
{
    if (frameHook)
        frameHook();
    EndOnTerminationSignal();
}

void SetFrameHook(FrameHook hook)
{
    frameHook = std::move(hook);
}
