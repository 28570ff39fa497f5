// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/game/playfield_fixture.h"

#include "media/sound_stream.h"
#include "media/sprite.h"

#include <algorithm>
#include <cstdlib>

TEST(TumbloEngine, SpeedsUpToOneThousandAreTakenOnlyByInitAndByARunningGame)
{
    FakeClock clock;
    TumbloEngine engine;
    engine.SetSpeed(500);
    EXPECT_FALSE(engine.Run(0) || engine.Init(1001));
    EXPECT_EQ(engine.FallInterval(), 0u) << "no game runs before Init, nor after a refused one";
    Sprite picture;
    for (auto [speed, interval] : {std::pair{1000, 0u}, {-200, 1200u}, {400, 600u}}) {
        engine.Reset();
        engine.SetGraphic(-1, &picture);
        ASSERT_TRUE(engine.Init(speed)) << speed;
        EXPECT_EQ(engine.FallInterval(), interval);
        EXPECT_EQ(engine.GetGraphic(-1), nullptr) << "Init empties the slots";
    }
    ASSERT_TRUE(engine.Run(0));  // the first stone comes at once
    EXPECT_FALSE(engine.Init(100));
    EXPECT_EQ(engine.State(), STATE_RUNNING | STATE_STONE) << "the first game goes on at speed 400";
    engine.SetSpeed(1001);
    EXPECT_EQ(engine.GetSpeed(), 400);
    engine.SetSpeed(1000);
    EXPECT_EQ(engine.FallInterval(), 0u);
}

TEST_F(PlayfieldTest, FourRowsScore160WithOneClearSoundOnTheClearingCallOnly)
{
    SoundStream landed, cleared;
    engine.SetSound(SOUND_STONE_DOWN, &landed);
    engine.SetSound(SOUND_ROWS_CLEARED, &cleared);
    Build({"XXXXXXXXXX.", "XXXXXXXXXX.", "OOOOOOOOOO.", "XXXXXXXXXX."});
    StopFalling();
    Spawn(1);
    Fall(1);
    Press(KEY_ROTATE);  // upright in column 4
    for (int press = 0; press < 6; ++press)
        Press(KEY_RIGHT);
    FallUntilLanded();
    EXPECT_EQ(engine.SoundPlays(SOUND_STONE_DOWN), 1);
    const auto counters = [&] {
        return std::vector{engine.GetLastLines(), engine.GetLastPoints(), engine.GetLines(),
                           engine.GetScore(), engine.SoundPlays(SOUND_ROWS_CLEARED)};
    };
    EXPECT_EQ(counters(), (std::vector{0, 0, 0, 0, 0})) << "the landing call clears nothing";
    Fall(1);
    EXPECT_EQ(counters(), (std::vector{4, 160, 4, 160, 1}));
    EXPECT_EQ(Rows(17), Picture(4, "..........."));
    Fall(1);
    EXPECT_EQ(counters(), (std::vector{0, 0, 4, 160, 1}));
}

// A row with a gap at either end stays; the full ones around it go.
TEST_F(PlayfieldTest, RowsClearedApartMoveEachRowAboveByTheRowsBelowIt)
{
    Build(
        {"X..........", "XX.........", "XXXXXXXXXXX", ".XXXXXXXXXX", "XXOXXXXXXXX", "...X......."});
    ASSERT_TRUE(engine.Run(0));
    EXPECT_EQ(engine.GetLastPoints(), 40);
    EXPECT_EQ(Rows(15), (Picture{"...........", "...........", "X..........", "XX.........",
                                 ".XXXXXXXXXX", "...X......."}));
}

// The upright bar lands at the left wall on a block right below it: its top alone is in row 0.
TEST_F(PlayfieldTest, ABlockLandedInRowZeroOrAStoneSpawnedOntoOneEndsTheGameUntilTheNextInit)
{
    StopFalling();
    Spawn(1);
    Fall(1);
    Press(KEY_ROTATE);
    engine.PlaceBlock(0, 4, 0);
    for (int press = 0; press < 4; ++press)
        Press(KEY_LEFT);
    EXPECT_EQ(Stone(), (Cells{{0, 1}, {0, 2}, {0, 3}, {0, 0}}));
    FallUntilLanded();
    EXPECT_FALSE(engine.Run(0));
    EXPECT_EQ(engine.State(), STATE_GAME_OVER);
    clock.Advance(100000);
    EXPECT_FALSE(engine.Run(KEY_DOWN));
    ASSERT_TRUE(engine.Init(400));
    EXPECT_TRUE(engine.Run(0));
    EXPECT_EQ(Rows(2), Picture(19, "..........."));

    // A stone spawned onto a block ends it too; its blocks placed before the taken cell stay.
    engine.Reset();
    ASSERT_TRUE(engine.Init(400));
    engine.PlaceBlock(4, 1, 1);
    engine.SetNextType(0);
    EXPECT_FALSE(engine.Run(0));
    EXPECT_TRUE(engine.IsGameOver());
    EXPECT_EQ(Rows(0)[0], "....XX.....");
}

// Everything a frame could show or a later step depend on: cells, stone, counters, state.
static std::string Snapshot(const TumbloEngine& engine)
{
    std::string cells;
    for (int cell = 0; cell < FIELD_ROWS * FIELD_COLUMNS; ++cell)
        cells += engine.BlockAt(cell % FIELD_COLUMNS, cell / FIELD_COLUMNS) ? 'X' : '.';
    for (int b = 0; b < STONE_BLOCKS; ++b)
        cells += std::to_string(engine.StonePosition(b).column) + "," +
                 std::to_string(engine.StonePosition(b).row) + ";";
    return cells + std::to_string(engine.GetScore()) + "/" + std::to_string(engine.GetLines()) +
           "/" + std::to_string(engine.State());
}

// A playfield run only when its quiet time is up or the held keys change (a browser sleeps until
// then) looks at every millisecond as one run every millisecond, under random keys. Rows filled
// every five seconds clear, and after a minute the stones top out.
TEST(TumbloEngine, RunWhenQuietEndsPlaysAsRunEveryMillisecond)
{
    FakeClock clock(0);
    TumbloEngine everyMs, whenDue;
    ASSERT_TRUE(everyMs.Init(600) && whenDue.Init(600));
    const auto fill = [&](int first, int firstColumn) {
        for (TumbloEngine* engine : {&everyMs, &whenDue})
            for (int row = first; row < FIELD_ROWS; ++row)
                for (int column = firstColumn; column < FIELD_COLUMNS; ++column)
                    if (!engine->BlockAt(column, row))
                        engine->PlaceBlock(column, row, 0);
    };
    Uint32 keys = 0, nextKeys = 0, wake = 0, lcg = 12345, now = 0;
    for (; !everyMs.IsGameOver(); ++now) {
        clock.Set(now);
        if (now % 5000 == 4999)
            now == 59999 ? fill(4, 1) : fill(FIELD_ROWS - 1, 0);
        if (now == nextKeys) {
            lcg = lcg * 1103515245 + 12345;
            keys = (lcg >> 16) & (KEY_LEFT | KEY_RIGHT | KEY_ROTATE | KEY_DOWN);
            nextKeys = now + 30 + (lcg >> 8) % 700;
            wake = now;
        }
        srand(now), everyMs.Run(keys);
        if (now == wake) {
            srand(now), whenDue.Run(keys);
            const Uint32 quiet = whenDue.QuietFor(now);  // 0: work left for the next frame
            wake = quiet == TICKS_QUIET_FOREVER ? 0 : now + std::max(quiet, 1u);
        }
        ASSERT_EQ(Snapshot(whenDue), Snapshot(everyMs)) << "at " << now;
    }
    EXPECT_GT(everyMs.GetLines(), 10);
    EXPECT_GT(now, 60000u);
}
