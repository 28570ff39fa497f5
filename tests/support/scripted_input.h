// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_SCRIPTED_INPUT_H
#define KOLVO_TESTS_SCRIPTED_INPUT_H

#include <SDL/SDL.h>

// The keyboard and the event queue as a script plays them: keys held in SDL's key state array,
// events pushed onto its queue. Free of any test framework, so benchmarks drive screens with it too.
void HoldKey(SDLKey key, bool held = true);
void ReleaseAllKeys();
void PushKeyDown(SDLKey key, Uint16 unicode = 0);
void PushQuit();
void DrainEvents();

#endif
