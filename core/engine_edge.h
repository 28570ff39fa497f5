// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_ENGINE_EDGE_H
#define KOLVO_CORE_ENGINE_EDGE_H

#include <SDL/SDL.h>

// Where the engine meets the SDL it is built with. The desktop's SDL 1.2 and the browser's
// (emscripten's: SDL 1.2's calls behind SDL 1.3's headers) differ in how the held keys are read,
// how events are watched, how the focus is told and how the screen keeps its picture; nothing else
// of the game uses either. One file per platform
// (engine_desktop.cpp, engine_web.cpp), chosen by the build.

// SDL's array of held keys, indexed by the SDLK_ symbols the game is compiled with, non-zero while
// held. SDL updates it as events are taken from its queue; it lives as long as SDL.
Uint8* HeldKeys();

// Calls `exposed` whenever the window system asks for the window to be painted again, whichever
// screen drains the queue. A browser repaints its canvas itself and never asks.
void WatchExposure(void (*exposed)());

// Whether the event says the window lost the keyboard focus or is no longer shown, or has it
// again or is shown again. SDL 1.2 tells it in an SDL_ACTIVEEVENT; a browser's SDL in a window
// event, for the page losing the focus or being hidden (another tab, a minimised window).
bool TellsFocusLost(const SDL_Event& event);
bool TellsFocusGained(const SDL_Event& event);

// Sleeps until an event comes for the game (a key, the pointer, a touch, the focus) or the
// milliseconds have passed, whichever is first; the event is then in SDL's queue.
// False where the platform cannot wake on an event, having slept nothing: SDL 1.2 has no wait with
// a time-out, so the desktop paces its frames to their period instead.
bool SleepUntilEvent(Uint32 milliseconds);

// Sets every pixel of the screen to the value 0 (black). Returns 0, or -1 when it cannot.
int ClearPixels(SDL_Surface* screen);

// True where a picture presented stays shown until the next is presented (a browser's canvas), so
// a frame that would look the same is never drawn again (frame_look.h); a desktop window may be
// uncovered and repainted by the window system at any time.
bool ShownPictureStays();

#endif
