#ifndef KOLVO_TESTS_FAKE_CLOCK_H
#define KOLVO_TESTS_FAKE_CLOCK_H

#include <SDL/SDL.h>

// Replaces the game's tick source while it lives. Time moves only when the test moves it, or when
// the game waits (a Delay lets exactly that much time pass, instantly).
class FakeClock {
public:
    explicit FakeClock(Uint32 start = 10000);
    ~FakeClock();
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Set(Uint32 now);
    void Advance(Uint32 milliseconds);
    Uint32 Now() const;
};

#endif
