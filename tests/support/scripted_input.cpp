// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/support/scripted_input.h"

#include "core/gamepads.h"

void HoldKey(SDLKey key, bool held)
{
    SDL_GetKeyState(nullptr)[key] = held ? 1 : 0;
}

void ReleaseAllKeys()
{
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    for (int i = 0; i < count; ++i)
        keys[i] = 0;
    gGamepads.ReleaseAll();
}

void PushKeyDown(SDLKey key, Uint16 unicode)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = unicode;
    SDL_PushEvent(&event);
}

void PushQuit()
{
    SDL_Event event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void HoldPad(const PadInput& input, bool held)
{
    SDL_Event event = {};
    const Uint8 type =
        input.type == SDL_JOYBUTTONDOWN && !held ? Uint8(SDL_JOYBUTTONUP) : input.type;
    event.jaxis = {type, Uint8(input.pad), Uint8(input.number), Sint16(held ? input.value : 0)};
    event.jhat.value = Uint8(held ? input.value : 0);
    SDL_PushEvent(&event);
}

void DrainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}
