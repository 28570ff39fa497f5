// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/picture_edge.h"

// emscripten's pictures are RGBA bytes (red lowest) whose alpha the canvas honours when it draws
// them, so the key colour's pixels are made fully transparent once, here.
int SetKeyColour(SDL_Surface* picture, Uint32, Uint32 key)
{
    constexpr Uint32 COLOUR = 0x00FFFFFF;
    if (SDL_LockSurface(picture) != 0)
        return -1;
    for (int y = 0; y < picture->h; ++y) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(picture->pixels) + y * picture->pitch);
        for (int x = 0; x < picture->w; ++x)
            if ((row[x] & COLOUR) == (key & COLOUR))
                row[x] = 0;
    }
    SDL_UnlockSurface(picture);
    return 0;
}

// A copy that keeps the alpha channel: the key colour lives there.
SDL_Surface* ForDisplay(SDL_Surface* picture)
{
    return SDL_DisplayFormatAlpha(picture);
}
