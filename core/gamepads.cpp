// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include "core/engine.h"

// Where each input is found on a pad: a button, a bit of the hat, a side of the left stick.
struct GamepadBinding {
    int button;
    Uint8 hat;   // 0: none
    int stickX;  // -1 left, 1 right, 0 not on this axis
    int stickY;  // -1 up, 1 down, 0 not on this axis
};

// In the order of GamepadInput. The button numbers are those SDL 1.2 over SDL 2 gives SDL 2's
// game-controller buttons (A, B, X, Y, Back, Guide, Start, the sticks, the shoulders, the d-pad).
static const GamepadBinding GAMEPAD_BINDINGS[GAMEPAD_INPUTS] = {
    {13, SDL_HAT_LEFT, -1, 0},  // left
    {14, SDL_HAT_RIGHT, 1, 0},  // right
    {11, SDL_HAT_UP, 0, -1},    // up
    {12, SDL_HAT_DOWN, 0, 1},   // down
    {0, 0, 0, 0},               // A
    {1, 0, 0, 0},               // B
    {4, 0, 0, 0},               // Back
    {6, 0, 0, 0},               // Start
};

bool Gamepads::Open()
{
    Close();
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        gEngine.Log(2, "Couldn't start the gamepads: %s", SDL_GetError());
        return false;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    for (int pad = 0; pad < SDL_NumJoysticks() && pad < GAMEPAD_MAX; ++pad) {
        opened[pad] = SDL_JoystickOpen(pad);
        if (!opened[pad]) {
            gEngine.Log(2, "Couldn't open gamepad %d: %s", pad, SDL_GetError());
            continue;
        }
        const char* name = SDL_JoystickName(pad);
        gEngine.Log(2, "Gamepad %d: %s", pad, name ? name : "");
        ++count;
    }
    return true;
}

void Gamepads::Close()
{
    for (SDL_Joystick*& pad : opened) {
        if (pad && SDL_WasInit(SDL_INIT_JOYSTICK))
            SDL_JoystickClose(pad);
        pad = nullptr;
    }
    count = 0;
    ReleaseAll();
}

void Gamepads::ReleaseAll()
{
    for (PadState& pad : held)
        pad = PadState{};
}

bool Gamepads::Note(const SDL_Event& event)
{
    switch (event.type) {
        case SDL_JOYAXISMOTION:
            if (event.jaxis.which >= GAMEPAD_MAX)
                return false;
            if (event.jaxis.axis == 0)
                held[event.jaxis.which].stickX = event.jaxis.value;
            else if (event.jaxis.axis == 1)
                held[event.jaxis.which].stickY = event.jaxis.value;
            return true;
        case SDL_JOYHATMOTION:
            if (event.jhat.which >= GAMEPAD_MAX)
                return false;
            if (event.jhat.hat == 0)
                held[event.jhat.which].hat = event.jhat.value;
            return true;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (event.jbutton.which >= GAMEPAD_MAX)
                return false;
            if (event.jbutton.button < 32) {
                const Uint32 bit = Uint32(1) << event.jbutton.button;
                Uint32& buttons = held[event.jbutton.which].buttons;
                buttons = event.type == SDL_JOYBUTTONDOWN ? buttons | bit : buttons & ~bit;
            }
            return true;
        default:
            return false;
    }
}

bool Gamepads::Held(int pad, GamepadInput input) const
{
    if (pad < 0 || pad >= GAMEPAD_MAX || input < 0 || input >= GAMEPAD_INPUTS)
        return false;
    const GamepadBinding& binding = GAMEPAD_BINDINGS[input];
    const PadState& now = held[pad];
    return (now.buttons >> binding.button & 1) || (now.hat & binding.hat) ||
           binding.stickX * now.stickX > GAMEPAD_DEAD_ZONE ||
           binding.stickY * now.stickY > GAMEPAD_DEAD_ZONE;
}

bool Gamepads::AnyHeld(GamepadInput input) const
{
    for (int pad = 0; pad < GAMEPAD_MAX; ++pad)
        if (Held(pad, input))
            return true;
    return false;
}
