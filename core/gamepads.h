// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_GAMEPADS_H
#define KOLVO_CORE_GAMEPADS_H

#include <SDL/SDL.h>

// What a pad holds that the game reads: the four directions (the d-pad, or the left stick beyond
// its dead zone) and four buttons named as on an Xbox controller.
enum GamepadInput {
    GAMEPAD_LEFT,
    GAMEPAD_RIGHT,
    GAMEPAD_UP,
    GAMEPAD_DOWN,
    GAMEPAD_A,
    GAMEPAD_B,
    GAMEPAD_BACK,
    GAMEPAD_START,
    GAMEPAD_INPUTS
};

constexpr int GAMEPAD_MAX = 8;  // pads kept; SDL's joysticks beyond these are not opened
// A stick counts as a direction beyond a third of its travel (of 32767 either way), so a stick
// that rests a little off its middle holds nothing.
constexpr int GAMEPAD_DEAD_ZONE = 32767 / 3;

// The gamepads connected at start and what each one holds. The held state is kept from SDL's
// joystick events alone, never read from the devices, so events pushed into SDL's queue play
// exactly as a real pad does. Pads are numbered as SDL numbers its joysticks: pad 0 is the first.
//
// Buttons are read in the layout SDL 1.2 over SDL 2 gives every pad it knows when asked (the
// engine asks before anything starts, unless the player chose otherwise): A 0, B 1, Back 4, Start 6, the d-pad's up, down, left and right 11 to 14. The
// classic SDL 1.2 hands pads over in each device's own layout, where the d-pad is mostly a hat;
// a hat counts as the d-pad too.
class Gamepads {
public:
    Gamepads() = default;
    ~Gamepads() { Close(); }
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's joysticks and opens each one connected now, logging "Gamepad N: name" for it.
    // False when SDL's joysticks cannot start; the game then plays without pads.
    bool Open();
    // Closes the pads and forgets what they held.
    void Close();
    // How many pads Open opened.
    int Count() const { return count; }

    // Takes one event into the held state. True for a joystick event of a pad 0 to
    // GAMEPAD_MAX - 1; any other event changes nothing and gives false.
    bool Note(const SDL_Event& event);
    // Whether the pad holds the input now; false for a pad that never sent an event.
    bool Held(int pad, GamepadInput input) const;
    // Whether any pad holds the input now.
    bool AnyHeld(GamepadInput input) const;
    // Forgets what every pad holds, as if each were let go.
    void ReleaseAll();

private:
    struct PadState {
        Sint16 stickX, stickY;  // the left stick: axes 0 and 1, negative left and up
        Uint8 hat;              // SDL_HAT_ bits of hat 0
        Uint32 buttons;         // bit n while button n is held
    };
    PadState held[GAMEPAD_MAX] = {};
    SDL_Joystick* opened[GAMEPAD_MAX] = {};
    int count = 0;
};

// The process's pads, defined with the other process-wide objects in app/globals.cpp.
extern Gamepads gGamepads;

#endif
