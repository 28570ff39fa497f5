// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// One frame of each screen, on a 640 x 480 32-bit software screen with the game's own data. Each
// screen runs its real loop; one iteration is one pass of it (see bench_screen.h).
#include "bench/bench_screen.h"

#include "core/frame_pacer.h"
#include "core/screen.h"
#include "game/challenge.h"
#include "game/game.h"
#include "game/game_clock.h"
#include "game/graphics_script.h"
#include "game/mode_frame.h"
#include "game/sidebar.h"
#include "game/sign_points.h"
#include "game/tumblo_engine.h"
#include "highscore/highscore_list.h"
#include "highscore/highscore_screen.h"
#include "highscore/highscore_table.h"
#include "highscore/name_entry.h"
#include "ui/main_menu.h"

#include <cstdio>

static void BM_MenuFrame(benchmark::State& state)
{
    TimeScreenFrames(state, [] { RunMainMenu(); });
}
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMicrosecond);

// The game as it starts: the first stone at the top of an empty playfield. Every cell is drawn
// whether a block or the empty picture fills it.
static void BM_GameFrame(benchmark::State& state)
{
    TimeScreenFrames(state, [] { Game(); });
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMicrosecond);

// The same game, in the frames between two changes of the picture: most of a running game's.
static void BM_GameFrameKept(benchmark::State& state)
{
    const auto game = [] { Game(); };
    TimeScreenFrames(state, game, 3, true);
}
BENCHMARK(BM_GameFrameKept)->Unit(benchmark::kMicrosecond);

// The game's loop cannot be handed a playfield from outside, so this is its frame rebuilt from
// the same objects over a full playfield: 18 settled rows, each with one gap so that none clears,
// under a falling stone. Same steps as the game's frame, run by the same loop: events, keys, step,
// clear, draw the playfield, the sign points, the clock and the side panel, flip.
class FullPlayfield : public Screen {
public:
    bool SetUp()
    {
        if (!playfield.Init(400) || !LoadGraphicsScriptFile("data/grafik/graphic.txt", pictures))
            return false;
        pictures.LendTo(playfield);
        for (int row = 3; row < FIELD_ROWS; ++row)
            for (int column = 0; column < FIELD_COLUMNS; ++column)
                if (column != row % FIELD_COLUMNS)
                    playfield.PlaceBlock(column, row, Uint8((column + row) % 2));
        playfield.Run(0);  // the first stone appears
        clock.Start(benchNow);
        sign.Start(benchNow);
        return true;
    }
    void HandleEvent(const SDL_Event&) override {}
    bool Step() override { return playfield.Run(PlayerKeyBits(MODE_SINGLE_PLAYER)); }
    void AddLook(FrameLook&) const override {}
    bool Draw() override
    {
        playfield.Draw(200, 10);
        sign.Draw(270, 200, benchNow);
        clock.Draw(20, 10);
        return DrawSidebar(20, 100, 1, playfield, gWhiteFont);
    }
    bool Done() const override { return KeyHeld(SDLK_ESCAPE); }

private:
    PlayfieldPictures pictures;
    TumbloEngine playfield;
    GameClock clock;
    SignPoints sign;
};

static void BM_GameFrameFullPlayfield(benchmark::State& state)
{
    FullPlayfield frame;
    if (!StartBenchScreen() || !frame.SetUp()) {
        state.SkipWithError("set-up failed");
        return;
    }
    static const FrameRules rules = {FRAME_PERIOD_MS, FRAME_EVENTS_ALL, FRAME_END_AFTER_WAIT,
                                     FRAME_DRAWS_CHANGES, "Flip failed!"};
    const auto runFrame = [&] { RunScreen(frame, rules); };
    TimeScreenFrames(state, runFrame, 0);
}
BENCHMARK(BM_GameFrameFullPlayfield)->Unit(benchmark::kMicrosecond);

static void BM_ChallengeFrame(benchmark::State& state)
{
    TimeScreenFrames(state, [] { Challenge(); });
}
BENCHMARK(BM_ChallengeFrame)->Unit(benchmark::kMicrosecond);

// Ten entries, so every row of the table is written.
static void BM_HighscoreFrame(benchmark::State& state)
{
    HighscoreList list;
    for (int i = 0; i < HIGHSCORE_PLACES; ++i) {
        char name[HIGHSCORE_NAME_SIZE];
        snprintf(name, sizeof name, "Player %d", i + 1);
        list.Add(MakeHighscoreEntry(name, 1000 * (i + 1), i + 1, 60 * (i + 1) + 7));
    }
    if (!StartBenchScreen() || !list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY)) {
        state.SkipWithError("set-up failed");
        return;
    }
    TimeScreenFrames(state, [] { ShowHighscore(); });
}
BENCHMARK(BM_HighscoreFrame)->Unit(benchmark::kMicrosecond);

static void BM_NameEntryFrame(benchmark::State& state)
{
    TimeScreenFrames(state, [] {
        char name[100] = "";
        GetName("Enter your name", name, sizeof name);
    });
}
BENCHMARK(BM_NameEntryFrame)->Unit(benchmark::kMicrosecond);
