// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include "core/engine.h"

#include <cstdlib>

// Where each input is found on a pad: a button (-1: none), a bit of the hat, a side of the left
// stick.
struct GamepadBinding {
    int button;
    Uint8 hat;   // 0: none
    int stickX;  // -1 left, 1 right, 0 not on this axis
    int stickY;  // -1 up, 1 down, 0 not on this axis
};

// For each layout, in the order of GamepadInput (see gamepads.h for the numbers).
// clang-format off
static const GamepadBinding GAMEPAD_BINDINGS[][GAMEPAD_INPUTS] = {
    {   // GAMEPAD_LAYOUT_CONTROLLER
        {13, SDL_HAT_LEFT, -1, 0}, {14, SDL_HAT_RIGHT, 1, 0},
        {11, SDL_HAT_UP, 0, -1},   {12, SDL_HAT_DOWN, 0, 1},
        {0, 0, 0, 0}, {1, 0, 0, 0}, {4, 0, 0, 0}, {6, 0, 0, 0},
    },
    {   // GAMEPAD_LAYOUT_DEVICE
        {-1, SDL_HAT_LEFT, -1, 0}, {-1, SDL_HAT_RIGHT, 1, 0},
        {-1, SDL_HAT_UP, 0, -1},   {-1, SDL_HAT_DOWN, 0, 1},
        {0, 0, 0, 0}, {1, 0, 0, 0}, {6, 0, 0, 0}, {7, 0, 0, 0},
    },
};
// clang-format on

// The classic library counts up to 1.2.15; the one over SDL 2 starts its count at 1.2.50.
static constexpr int GAMEPAD_OVER_SDL2 = SDL_VERSIONNUM(1, 2, 50);

GamepadLayout ChooseGamepadLayout(const SDL_version& linked, const char* controllerSetting)
{
    const bool overSdl2 =
        SDL_VERSIONNUM(linked.major, linked.minor, linked.patch) >= GAMEPAD_OVER_SDL2;
    const bool asked = controllerSetting && atoi(controllerSetting) != 0;
    return overSdl2 && asked ? GAMEPAD_LAYOUT_CONTROLLER : GAMEPAD_LAYOUT_DEVICE;
}

bool Gamepads::Open()
{
    Close();
    layout = ChooseGamepadLayout(*SDL_Linked_Version(), getenv("SDL12COMPAT_USE_GAME_CONTROLLERS"));
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
    if (count > 0)  // what a report of a pad that plays wrong needs to say
        gEngine.Log(2, "Gamepad buttons: %s layout",
                    layout == GAMEPAD_LAYOUT_CONTROLLER ? "controller" : "device");
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
    if (pad == GAMEPAD_ANY)
        return AnyHeld(input);
    if (pad < 0 || pad >= GAMEPAD_MAX || input < 0 || input >= GAMEPAD_INPUTS)
        return false;
    const GamepadBinding& binding = GAMEPAD_BINDINGS[layout][input];
    const PadState& now = held[pad];
    return (binding.button >= 0 && (now.buttons >> binding.button & 1)) ||
           (now.hat & binding.hat) || binding.stickX * now.stickX > GAMEPAD_DEAD_ZONE ||
           binding.stickY * now.stickY > GAMEPAD_DEAD_ZONE;
}

bool Gamepads::AnyHeld(GamepadInput input) const
{
    for (int pad = 0; pad < GAMEPAD_MAX; ++pad)
        if (Held(pad, input))
            return true;
    return false;
}

bool KeyOrPadHeld(SDLKey key, int pad, GamepadInput input)
{
    return gEngine.keys[key] != 0 || gGamepads.Held(pad, input);
}

bool ReturnHeld()
{
    return KeyOrPadHeld(SDLK_RETURN, GAMEPAD_ANY, GAMEPAD_A) || gGamepads.AnyHeld(GAMEPAD_START);
}
