// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_FRAME_H
#define KOLVO_CORE_FRAME_H

#include <SDL/SDL.h>

#include <functional>

// Every screen starts the drawing of a frame with ClearScreen and ends the frame with FlipScreen,
// or, when the frame would look exactly like the one on screen (see frame_look.h), with KeepFrame.

// Sets every pixel of the screen to the value 0 (black), as SDL_FillRect(screen, NULL, 0) does,
// but with the C library's memset, which the classic SDL 1.2 takes five times longer over. Returns
// 0, or -1 when the screen cannot be locked.
int ClearScreen(SDL_Surface* screen);

// Presents the frame and returns SDL_Flip's result (0 is success). A picture drawn for a scaled
// window or a full screen is scaled to it on the way.
int FlipScreen(SDL_Surface* screen);
// Ends a frame that drew nothing and leaves the frame on screen as it is.
void KeepFrame();

// A test installs a hook that runs at the end of every frame, presented or kept, to script keys,
// events and time frame by frame. A termination signal noted meanwhile ends the process there too
// (see termination.h).
using FrameHook = std::function<void()>;
void SetFrameHook(FrameHook hook);  // an empty hook removes it

#endif
