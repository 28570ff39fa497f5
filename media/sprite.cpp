// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sprite.h"

#include "core/engine.h"
#include "media/picture_edge.h"

#include <SDL/SDL_image.h>

#include <cstdio>

Sprite::Sprite() : surface(nullptr), rect{0, 0, 0, 0} {}

Sprite::~Sprite()
{
    Free();
}

void Sprite::Free()
{
    if (surface)
        SDL_FreeSurface(surface);
    surface = nullptr;
}

bool Sprite::Load(const char* path)
{
    return LoadFile(path, false, 0);
}

bool Sprite::LoadKeyed(const char* path, Uint32 key)
{
    return LoadFile(path, true, key);
}

bool Sprite::LoadFile(const char* path, bool keyed, Uint32 key)
{
    freeMain->Log(1, "loading sprite %s", path);
    Free();
    surface = IMG_Load(path);
    if (!surface) {
        // Kept on purpose: the line ends in a line break of its own, as log readers know it.
        freeMain->Log(2, "Couldn't load %s: %s\n", path, SDL_GetError());
        return false;
    }
    // The key is set in the file's own format, before conversion, so it means the file's colour.
    if (keyed && SetKeyColour(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, key) < 0) {
        freeMain->Log(2, "Couldn't set ColorKey + RLE for %s: %s", path, SDL_GetError());
        Free();
        return false;
    }
    SDL_Surface* converted = ForDisplay(surface);
    if (!converted) {
        freeMain->Log(2, "couldn't convert %s to display format: %s", path, SDL_GetError());
        Free();
        return false;
    }
    SDL_FreeSurface(surface);
    surface = converted;
    rect.w = static_cast<Uint16>(surface->w);
    rect.h = static_cast<Uint16>(surface->h);
    freeMain->Log(2, "DONE - loading sprite");
    return true;
}

bool Sprite::Draw(Uint16 x, Uint16 y)
{
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    if (SDL_BlitSurface(surface, nullptr, freeMain->screen, &rect) < 0) {
        // Kept on purpose: on standard error, not in the log, where tools have always looked.
        fprintf(stderr, "BlitSurface error: %s\n", SDL_GetError());
        return false;
    }
    return true;
}
