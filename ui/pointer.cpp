// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/pointer.h"

#include "core/engine.h"

Pointer::Pointer() : x(0), y(0), buttons(0), savedCursor(1) {}

bool Pointer::Load(const char* path)
{
    if (!picture.LoadKeyed(path, SPRITE_KEY_MAGENTA))
        return false;
    x = y = buttons = 0;
    savedCursor = gEngine.cursor.Show(0);
    return true;
}

void Pointer::Unload()
{
    x = y = buttons = 0;
    gEngine.cursor.Show(savedCursor);
    savedCursor = 1;
}

// SDL reports the mouse in the window's pixels; the game works in the picture's, which a scaled
// window or a full screen shows larger.
void Pointer::Update()
{
    int mouseX = 0, mouseY = 0;
    Uint8 mask = SDL_GetMouseState(&mouseX, &mouseY);
    gEngine.fit.ToPicture(&mouseX, &mouseY);
    x = mouseX;
    y = mouseY;
    buttons = 0;
    if (mask & SDL_BUTTON_LMASK)
        buttons = POINTER_LEFT;
    if (mask & SDL_BUTTON_RMASK)
        buttons += POINTER_RIGHT;
}

bool Pointer::Draw()
{
    return picture.Draw(static_cast<Uint16>(x), static_cast<Uint16>(y));
}

void Pointer::Get(int32_t* outX, int32_t* outY, int32_t* outButtons) const
{
    *outX = x;
    *outY = y;
    *outButtons = buttons;
}
