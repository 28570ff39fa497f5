// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// One frame of a single-player playfield: all 231 cells and the side panel, drawn with the game's
// own pictures and font on a 640 x 480 32-bit software screen.
#include "bench/bench_screen.h"
#include "game/graphics_script.h"
#include "game/sidebar.h"
#include "game/tumblo_engine.h"

static void BM_PlayfieldFrame(benchmark::State& state)
{
    PlayfieldPictures pictures;
    TumbloEngine engine;
    if (!StartBenchScreen() || !engine.Init(400) ||
        !LoadGraphicsScriptFile("data/grafik/graphic.txt", pictures)) {
        state.SkipWithError("set-up failed");
        return;
    }
    pictures.LendTo(engine);
    // The lower half settled in both pictures, the upper half empty, as in a game under way.
    for (int column = 0; column < FIELD_COLUMNS; ++column)
        for (int row = FIELD_ROWS / 2; row < FIELD_ROWS; ++row)
            engine.PlaceBlock(column, row, Uint8((column + row) % 2));
    for (auto _ : state) {
        bool drawn = engine.Draw(200, 10) && DrawSidebar(20, 100, 12, engine, gWhiteFont);
        benchmark::DoNotOptimize(drawn);
    }
}
BENCHMARK(BM_PlayfieldFrame)->Unit(benchmark::kMicrosecond);
