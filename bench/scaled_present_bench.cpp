// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Showing the 640 x 480 picture in a window scaled 2, 3 or 4 times (the argument): the comparison
// with the picture shown before and the scaled copy of what changed, on 32-bit surfaces in memory.
// What SDL then does to show the rectangles on a real display is not timed here.
#include "core/scaled_screen.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

// The picture of a game under way and the display it is scaled to, shown once already.
class ScaledBench {
public:
    explicit ScaledBench(int factor) : fit(FitWindow(PICTURE_W, PICTURE_H, factor))
    {
        // SDL_UpdateRects needs SDL's video started, even for a surface that is not on screen.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        display = SDL_CreateRGBSurface(SDL_SWSURFACE, fit.displayW, fit.displayH, 32, 0xFF0000,
                                       0xFF00, 0xFF, 0);
        screen.Open(display, fit);
        for (int y = 0; y < PICTURE_H; ++y)
            for (int x = 0; x < PICTURE_W; ++x)
                Pixel(x, y) = Uint32(x * 7 + y * 13);
        screen.Present();
    }
    ~ScaledBench()
    {
        screen.Close();
        SDL_FreeSurface(display);
    }
    Uint32& Pixel(int x, int y)
    {
        SDL_Surface* picture = screen.Picture();
        return static_cast<Uint32*>(picture->pixels)[y * picture->pitch / 4 + x];
    }
    // A cell of a stone (24 x 24 pixels) at (x, y) appears or goes.
    void FlipCell(int x, int y)
    {
        for (int row = y; row < y + CELL; ++row)
            for (int column = x; column < x + CELL; ++column)
                Pixel(column, row) ^= 0xFFFFFF;
    }

    static constexpr int PICTURE_W = 640, PICTURE_H = 480, CELL = 24;
    ScreenFit fit;
    SDL_Surface* display;
    ScaledScreen screen;
};

// A frame that looks as the one before: the whole picture is compared, nothing is copied.
static void BM_ScaledPresentSame(benchmark::State& state)
{
    ScaledBench bench(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.screen.Present());
}
BENCHMARK(BM_ScaledPresentSame)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

// The usual drawn frame of a game: a stone of four cells falls one row, and the clock changes.
static void BM_ScaledPresentStoneFalls(benchmark::State& state)
{
    ScaledBench bench(int(state.range(0)));
    int row = 0;
    for (auto _ : state) {
        const int y = 24 + row % 14 * ScaledBench::CELL;
        for (int cell = 0; cell < 4; ++cell)
            bench.FlipCell(250 + cell * ScaledBench::CELL, y);
        bench.FlipCell(60, 40);
        ++row;
        benchmark::DoNotOptimize(bench.screen.Present());
    }
}
BENCHMARK(BM_ScaledPresentStoneFalls)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

// Every pixel changed, as when a screen opens: the whole display is copied.
static void BM_ScaledPresentAll(benchmark::State& state)
{
    ScaledBench bench(int(state.range(0)));
    Uint32 shade = 0;
    for (auto _ : state) {
        SDL_FillRect(bench.screen.Picture(), nullptr, ++shade);
        benchmark::DoNotOptimize(bench.screen.Present());
    }
}
BENCHMARK(BM_ScaledPresentAll)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);
