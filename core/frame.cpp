#include "core/frame.h"

#include "core/termination.h"
#include "core/ticks.h"

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

void PaceFrame(Uint32* lastFrameTick)
{
    Uint32 spent = Ticks() - *lastFrameTick;
    if (spent < FRAME_PACED_MS)
        Delay(FRAME_PACED_MS - spent);
    *lastFrameTick = Ticks();
}

void YieldFrame()
{
    YieldProcessor();
}
