#ifndef KOLVO_CORE_FRAME_H
#define KOLVO_CORE_FRAME_H

#include <SDL/SDL.h>

#include <functional>

// Every screen presents its frame through FlipScreen. It returns SDL_Flip's result (0 is success).
// A test installs a hook that runs after each flip, to script keys, events and time frame by frame.
// A termination signal noted meanwhile ends the process here (see termination.h).
int FlipScreen(SDL_Surface* screen);

using FrameHook = std::function<void()>;
void SetFrameHook(FrameHook hook);  // an empty hook removes it

#endif
