// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sprite.h"

#include "core/engine.h"
#include "media/picture_edge.h"

#include <SDL/SDL_image.h>

#include <cstdio>

Sprite::Sprite() : rect{0, 0, 0, 0} {}

void Sprite::Free()
{
    surface.reset();
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
    surface.reset(IMG_Load(path));
    if (!surface) {
        // Kept on purpose: the line ends in a line break of its own, as log readers know it.
        return Fail("Couldn't load %s: %s\n", path, SDL_GetError());
    }
    // The key is set in the file's own format, before conversion, so it means the file's colour.
    if (keyed && SetKeyColour(surface.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, key) < 0) {
        Free();
        return Fail("Couldn't set ColorKey + RLE for %s: %s", path, SDL_GetError());
    }
    SDL_Surface* converted = ForDisplay(surface.get());
    if (!converted) {
        Free();
        return Fail("couldn't convert %s to display format: %s", path, SDL_GetError());
    }
    surface.reset(converted);
    rect.w = static_cast<Uint16>(surface->w);
    rect.h = static_cast<Uint16>(surface->h);
    freeMain->Log(2, "DONE - loading sprite");
    return true;
}

bool Sprite::Draw(Uint16 x, Uint16 y)
{
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    if (SDL_BlitSurface(surface.get(), nullptr, freeMain->screen, &rect) < 0) {
        // Kept on purpose: on standard error, not in the log, where tools have always looked.
        fprintf(stderr, "BlitSurface error: %s\n", SDL_GetError());
        return false;
    }
    return true;
}
