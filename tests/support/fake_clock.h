// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_FAKE_CLOCK_H
#define KOLVO_TESTS_FAKE_CLOCK_H

#include "core/ticks.h"

// Replaces the game's tick source while it lives. Time moves only when the test moves it, or when
// the game waits (a Delay lets exactly that much time pass, instantly).
class FakeClock {
public:
    explicit FakeClock(Uint32 start = 10000)
    {
        now = start;
        SetTickSource([] { return now; });
        SetDelaySink([](Uint32 milliseconds) { now += milliseconds; });
    }
    ~FakeClock() { SetTickSource(nullptr), SetDelaySink(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    void Set(Uint32 at) { now = at; }
    void Advance(Uint32 milliseconds) { now += milliseconds; }
    Uint32 Now() const { return now; }

private:
    static inline Uint32 now = 0;
};

#endif
