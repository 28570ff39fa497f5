// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/game/playfield_fixture.h"

#include "media/sound_stream.h"
#include "media/sprite.h"

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

TEST_F(PlayfieldTest, TheNextStoneWaitsTwoIntervalsAfterTheLanding)
{
    Spawn(0);
    FallUntilLanded();
    engine.SetSpeed(400);
    clock.Advance(1200);
    engine.Run(0);
    EXPECT_FALSE(engine.State() & STATE_STONE);
    clock.Advance(1);
    engine.Run(0);
    EXPECT_TRUE(engine.State() & STATE_STONE);
}

// The upright bar lands at the left wall on a block right below it: its top alone is in row 0.
TEST_F(PlayfieldTest, ABlockLandedInRowZeroEndsTheGameUntilTheNextInit)
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
}

// Its blocks placed before the taken cell stay.
TEST_F(PlayfieldTest, AStoneSpawnedOntoABlockEndsTheGame)
{
    engine.PlaceBlock(4, 1, 1);
    engine.SetNextType(0);
    EXPECT_FALSE(engine.Run(0));
    EXPECT_TRUE(engine.IsGameOver());
    EXPECT_EQ(Rows(0)[0], "....XX.....");
}
