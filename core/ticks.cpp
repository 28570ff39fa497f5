#include "core/ticks.h"

#include <time.h>

static TickSource tickSource = nullptr;
static DelaySink delaySink = nullptr;

Uint32 Ticks()
{
    return tickSource ? tickSource() : SDL_GetTicks();
}

void Delay(Uint32 milliseconds)
{
    if (delaySink)
        delaySink(milliseconds);
    else
        SDL_Delay(milliseconds);
}

void YieldProcessor()
{
    if (tickSource)
        return;
    const timespec halfMillisecond = {0, 500000};
    nanosleep(&halfMillisecond, nullptr);
}

void SetTickSource(TickSource source)
{
    tickSource = source;
}

void SetDelaySink(DelaySink sink)
{
    delaySink = sink;
}
