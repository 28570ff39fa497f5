#include "tests/support/fake_clock.h"

#include "core/ticks.h"

static Uint32 fakeNow = 0;

FakeClock::FakeClock(Uint32 start)
{
    fakeNow = start;
    SetTickSource([] { return fakeNow; });
    SetDelaySink([](Uint32 milliseconds) { fakeNow += milliseconds; });
}

FakeClock::~FakeClock()
{
    SetTickSource(nullptr);
    SetDelaySink(nullptr);
}

void FakeClock::Set(Uint32 now) { fakeNow = now; }
void FakeClock::Advance(Uint32 milliseconds) { fakeNow += milliseconds; }
Uint32 FakeClock::Now() const { return fakeNow; }
