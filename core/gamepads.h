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

// How a pad's buttons are numbered, which depends on the SDL 1.2 the game runs on:
//   GAMEPAD_LAYOUT_CONTROLLER: SDL 1.2 over SDL 2 asked for one layout for every pad it knows
//     (SDL12COMPAT_USE_GAME_CONTROLLERS, see engine.cpp): A 0, B 1, Back 4, Start 6, and the
//     d-pad's up, down, left and right as buttons 11 to 14.
//   GAMEPAD_LAYOUT_DEVICE: each pad as its driver numbers it, which for an Xbox-style pad on Linux
//     is A 0, B 1, X 2, Y 3, the shoulders 4 and 5, Back 6, Start 7, Guide 8, the sticks 9 and 10,
//     and the d-pad as a hat. The classic SDL 1.2 always hands pads over this way.
// In both, hat 0 counts as the d-pad and axes 0 and 1 as the left stick.
enum GamepadLayout { GAMEPAD_LAYOUT_CONTROLLER, GAMEPAD_LAYOUT_DEVICE };

// The layout in force: the controller layout only on SDL 1.2 over SDL 2 (which calls itself 1.2.50
// or later), and only when the setting is on there: a number other than 0, as that library reads
// it.
GamepadLayout ChooseGamepadLayout(const SDL_version& linked, const char* controllerSetting);

// The gamepads connected at start and what each one holds. The held state is kept from SDL's
// joystick events alone, never read from the devices, so events pushed into SDL's queue play
// exactly as a real pad does. Pads are numbered as SDL numbers its joysticks: pad 0 is the first.
class Gamepads {
public:
    // Until Open chooses by the library, buttons are read in the given layout.
    explicit Gamepads(GamepadLayout layout = GAMEPAD_LAYOUT_CONTROLLER) : layout(layout) {}
    ~Gamepads() { Close(); }
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Chooses the layout, starts SDL's joysticks and opens each one connected now, logging
    // "Gamepad N: name" for it.
    // False when SDL's joysticks cannot start; the game then plays without pads.
    bool Open();
    // Closes the pads and forgets what they held.
    void Close();
    // How many pads Open opened.
    int Count() const { return count; }

    // Takes one event into the held state. True for a joystick event of a pad 0 to
    // GAMEPAD_MAX - 1; any other event changes nothing and gives false.
    bool Note(const SDL_Event& event);
    // Whether the pad (GAMEPAD_ANY: any pad) holds the input now; false for a pad that never sent
    // an event.
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
    GamepadLayout layout;
};

// Which pads count for KeyOrPadHeld: one by its number, or any of them.
constexpr int GAMEPAD_ANY = -1;

// Whether a player holds the key (in the engine's key state) or the input on the pad now: asked
// wherever a pad stands in for a key, so that its input counts exactly as the key held.
bool KeyOrPadHeld(SDLKey key, int pad, GamepadInput input);
// Return, or A or Start on any pad: what leaves a screen that shows a result.
bool ReturnHeld();

// The process's pads, defined with the other process-wide objects in app/globals.cpp.
extern Gamepads gGamepads;

#endif
