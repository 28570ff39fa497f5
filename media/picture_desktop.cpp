// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/picture_edge.h"

int SetKeyColour(SDL_Surface* picture, Uint32 flags, Uint32 key)
{
    return SDL_SetColorKey(picture, flags, key);
}

SDL_Surface* ForDisplay(SDL_Surface* picture)
{
    return SDL_DisplayFormat(picture);
}
