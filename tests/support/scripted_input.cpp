// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/support/scripted_input.h"

#include "core/gamepads.h"

void HoldKey(SDLKey key, bool held)
{
    SDL_GetKeyState(nullptr)[key] = held ? 1 : 0;
}

// The pads a script holds, read by the game in place of SDL's joysticks once the first is held.
static GamepadReading scriptedPads[GAMEPAD_MAX];
static bool scriptedPadUsed[GAMEPAD_MAX];

void ReleaseAllKeys()
{
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    for (int i = 0; i < count; ++i)
        keys[i] = 0;
    for (GamepadReading& pad : scriptedPads)
        pad = GamepadReading{};
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
    SetGamepadReader([](int pad, GamepadReading& reading) {
        reading = scriptedPads[pad];
        return scriptedPadUsed[pad];
    });
    scriptedPadUsed[input.pad] = true;
    GamepadReading& pad = scriptedPads[input.pad];
    const int value = held ? input.value : 0;
    if (input.type == SDL_JOYBUTTONDOWN) {
        const Uint32 bit = Uint32(1) << input.number;
        pad.buttons = held ? pad.buttons | bit : pad.buttons & ~bit;
    } else if (input.type == SDL_JOYHATMOTION) {
        pad.hat = Uint8(value);
    } else if (input.number < 2) {
        (input.number == 0 ? pad.stickX : pad.stickY) = Sint16(value);
    }
}

void DrainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}
