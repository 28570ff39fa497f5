#include "core/frame.h"

#include "core/termination.h"

static FrameHook frameHook;

int FlipScreen(SDL_Surface* screen)
{
    int result = SDL_Flip(screen);
    if (frameHook)
        frameHook();
    EndOnTerminationSignal();
    return result;
}

void SetFrameHook(FrameHook hook)
{
    frameHook = std::move(hook);
}
