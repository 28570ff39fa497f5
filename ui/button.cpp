// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/button.h"

#include "ui/label.h"
#include "ui/pointer.h"

static HoverSoundPlay hoverSoundPlay = nullptr;

void SetHoverSoundPlay(HoverSoundPlay play)
{
    hoverSoundPlay = play;
}

static bool PlayHoverSound(SoundStream& sound)
{
    return hoverSoundPlay ? hoverSoundPlay(sound) : sound.Play(false);
}

Button::Button()
    : pointerX(nullptr), pointerY(nullptr), pointerButtons(nullptr), hasNormal(false),
      hasHover(false), rect(MakeRect(0, 0, 0, 0)), hasHoverSound(false), state(BUTTON_NOT_CREATED)
{
}

Button::~Button()
{
    Reset();
}

void Button::Create(SDL_Rect where)
{
    Reset();
    rect = where;
    state = BUTTON_NORMAL;
}

void Button::Reset()
{
    hasNormal = hasHover = hasHoverSound = false;
    state = BUTTON_NOT_CREATED;
    pointerX = pointerY = pointerButtons = nullptr;
}

bool Button::LoadNormal(const char* path)
{
    hasNormal = normal.LoadKeyed(path, SPRITE_KEY_MAGENTA);
    return hasNormal;
}

bool Button::LoadHover(const char* path)
{
    hasHover = hover.LoadKeyed(path, SPRITE_KEY_MAGENTA);
    return hasHover;
}

void Button::SetPointer(int32_t* x, int32_t* y, int32_t* buttons)
{
    pointerX = x;
    pointerY = y;
    pointerButtons = buttons;
}

bool Button::LoadHoverSound(const char* path)
{
    // Without sound the file is not even tried; the button just stays silent.
    if (!OpenEffect(hoverSound, path))
        return false;
    hasHoverSound = SoundStream::Available();
    return true;
}

bool Button::IsOver() const
{
    int32_t x = *pointerX, y = *pointerY;
    return rect.x < x && x < rect.x + rect.w && rect.y < y && y < rect.y + rect.h;
}

bool Button::Update()
{
    if (state == BUTTON_NOT_CREATED || !pointerX || !pointerY || !pointerButtons)
        return false;
    if (!IsOver()) {
        state = BUTTON_NORMAL;
        return true;
    }
    if (*pointerButtons & POINTER_LEFT) {
        state = BUTTON_PRESSED;
        return true;
    }
    if (state == BUTTON_HOVER)
        return true;
    if (hasHoverSound && !PlayHoverSound(hoverSound))
        return false;
    state = BUTTON_HOVER;
    return true;
}

bool Button::Draw()
{
    Sprite* picture = nullptr;
    switch (state) {
        case BUTTON_NORMAL:
            picture = hasNormal ? &normal : nullptr;
            break;
        case BUTTON_HOVER:
        case BUTTON_PRESSED:
            picture = hasHover ? &hover : hasNormal ? &normal : nullptr;
            break;
        default:
            return false;
    }
    Uint16 x = static_cast<Uint16>(rect.x), y = static_cast<Uint16>(rect.y);
    return !picture || picture->Draw(x, y);
}
