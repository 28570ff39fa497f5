// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_BENCH_BENCH_SCREEN_H
#define KOLVO_BENCH_BENCH_SCREEN_H

// Runs the game's own screens headless and times their frames. Every screen runs through
// RunScreen, whose frame hook turns the end of each frame into the end of one benchmark
// iteration, so an iteration is exactly one pass of the screen loop: events, step, clear, draw,
// flip.
#include "core/engine.h"
#include "core/frame_look.h"
#include "core/screen.h"
#include "core/ticks.h"
#include "media/text_engine.h"
#include "tests/support/scripted_input.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <unistd.h>

// Time stands still while frames are timed, as it nearly does between two frames of the real
// game: no stone falls, no guard runs out. A screen that waits lets its wait pass at once, and
// the frame pacing sleeps nothing while this clock runs, so only the work of a frame is timed.
inline Uint32 benchNow = 100000;
inline Uint32 BenchTicks()
{
    return benchNow;
}
inline void BenchDelay(Uint32 milliseconds)
{
    benchNow += milliseconds;
}

// The engine as the tests start it: dummy video, a 640 x 480 32-bit software screen, both fonts,
// in a fresh directory that links the game data. Once per process; false when anything failed.
inline bool StartBenchScreen()
{
    static const bool started = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        char directory[] = "/tmp/kolvo-bench-XXXXXX";
        if (!mkdtemp(directory) || chdir(directory) != 0 || symlink(KOLVO_DATA_DIR, "data") != 0 ||
            !gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "kolvolog.txt"))
            return false;
        gEngine.screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_SWSURFACE);
        SetTickSource(BenchTicks);
        SetDelaySink(BenchDelay);
        return gEngine.screen && gWhiteFont.LoadFont("data/grafik/font.bmp") &&
               gOrangeFont.LoadFont("data/grafik/font_orange.bmp");
    }();
    return started;
}

// What makes any of the screens end: Escape held (the game modes, the highscore list), "h" (the
// menu), Return (the name entry), and time passing, for the displays that end by the clock. The
// menu-style screens see only the last key of a frame, so the typed keys take turns.
inline void AskToLeave(int frame)
{
    benchNow += 100;
    HoldKey(SDLK_ESCAPE, true);
    if (frame % 2)
        PushKeyDown(SDLK_h, 'h');
    else
        PushKeyDown(SDLK_RETURN, '\r');
}

// Runs screen() and times its frames after the first `settle` ones; once the benchmark has
// enough, asks the screen to leave every frame until it returns. Every frame is drawn, unless
// `kept` asks for the frames as the game modes run them while nothing changes: kept, not drawn.
inline void TimeScreenFrames(benchmark::State& state, const std::function<void()>& screen,
                             int settle = 3, bool kept = false)
{
    if (!StartBenchScreen()) {
        state.SkipWithError("the headless screen did not start");
        return;
    }
    ForceFrameDrawing(!kept);
    DrainEvents();  // keys pushed for the screen before must not end this one
    int frame = 0;
    bool timing = true;
    SetFrameHook([&] {
        if (++frame > settle && timing)
            timing = state.KeepRunning();
        if (!timing)
            AskToLeave(frame);
    });
    screen();
    SetFrameHook(nullptr);
    ForceFrameDrawing(false);
    HoldKey(SDLK_ESCAPE, false);
    if (timing) {
        state.SkipWithError("the screen ended before the benchmark had enough frames");
        while (state.KeepRunning()) {
        }
    }
}

#endif
