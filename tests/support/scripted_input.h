// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_SCRIPTED_INPUT_H
#define KOLVO_TESTS_SCRIPTED_INPUT_H

#include <SDL/SDL.h>

// The keyboard and the event queue as a script plays them: keys held in SDL's key state array,
// events pushed onto its queue. Free of any test framework, so benchmarks drive screens with it too.
void HoldKey(SDLKey key, bool held = true);
void ReleaseAllKeys();  // and lets every pad go
void PushKeyDown(SDLKey key, Uint16 unicode = 0);
void PushQuit();
// A button (SDL_JOYBUTTONDOWN), hat or axis of a pad by its number, with the hat's bits or the
// axis's place while held. HoldPad holds it or lets it go on a scripted pad that the game reads in
// place of SDL's joysticks (SetGamepadReader), in the controller layout, from then on.
// clang-format off
struct PadInput { Uint8 type; int pad, number, value = 0; };
// clang-format on
void HoldPad(const PadInput& input, bool held = true);
void DrainEvents();

#endif
