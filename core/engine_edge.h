// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_ENGINE_EDGE_H
#define KOLVO_CORE_ENGINE_EDGE_H

#include <SDL/SDL.h>

// Where the engine meets the SDL it is built with. The desktop's SDL 1.2 and the browser's
// (emscripten's: SDL 1.2's calls behind SDL 1.3's headers) differ in how the held keys are read and
// how events are watched; nothing else of the game uses either. One file per platform
// (engine_desktop.cpp, engine_web.cpp), chosen by the build.

// SDL's array of held keys, indexed by the SDLK_ symbols the game is compiled with, non-zero while
// held. SDL updates it as events are taken from its queue; it lives as long as SDL.
Uint8* HeldKeys();

// Calls `exposed` whenever the window system asks for the window to be painted again, whichever
// screen drains the queue. A browser repaints its canvas itself and never asks.
void WatchExposure(void (*exposed)());

#endif
