// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/label.h"

SDL_Rect MakeRect(Uint16 x, Uint16 y, Uint16 w, Uint16 h)
{
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    rect.w = w;
    rect.h = h;
    return rect;
}

Label::Label() : hasPicture(false), rect(MakeRect(0, 0, 0, 0)) {}

void Label::Create(SDL_Rect where)
{
    Reset();
    rect = where;
}

void Label::Reset()
{
    hasPicture = false;
}

bool Label::LoadImage(const char* path)
{
    hasPicture = picture.LoadKeyed(path, SPRITE_KEY_MAGENTA);
    return hasPicture;
}

bool Label::Draw()
{
    if (!hasPicture)
        return true;
    return picture.Draw(static_cast<Uint16>(rect.x), static_cast<Uint16>(rect.y));
}
