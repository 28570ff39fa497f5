// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine_edge.h"

#include <cstring>

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

// The keyboard focus or the window shown; the pointer merely over the window does not count.
constexpr Uint8 EDGE_FOCUS_STATES = SDL_APPINPUTFOCUS | SDL_APPACTIVE;

bool TellsFocusLost(const SDL_Event& event)
{
    return event.type == SDL_ACTIVEEVENT && event.active.gain == 0 &&
           (event.active.state & EDGE_FOCUS_STATES) != 0;
}

bool TellsFocusGained(const SDL_Event& event)
{
    return event.type == SDL_ACTIVEEVENT && event.active.gain == 1 &&
           (event.active.state & EDGE_FOCUS_STATES) != 0;
}

bool SleepUntilEvent(Uint32)
{
    return false;
}

// The classic SDL 1.2's SDL_FillRect takes five times longer over the whole screen than the C
// library's memset.
int ClearPixels(SDL_Surface* screen)
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

bool ShownPictureStays()
{
    return false;
}
