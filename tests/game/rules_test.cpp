#include "tests/game/playfield_fixture.h"

#include "media/sound_stream.h"
#include "media/sprite.h"

TEST(TumbloEngine, InitAndSetSpeedAcceptSpeedsUpToOneThousandWhileAGameRuns)
{
    FakeClock clock;
    TumbloEngine engine;
    engine.SetSpeed(500);
    EXPECT_EQ(engine.FallInterval(), 0u) << "no game runs before Init";
    EXPECT_FALSE(engine.Run(0));

    EXPECT_FALSE(engine.Init(1001));
    EXPECT_EQ(engine.State(), 0);
    ASSERT_TRUE(engine.Init(400));
    EXPECT_EQ(engine.GetSpeed(), 400);
    EXPECT_EQ(engine.FallInterval(), 600u);
    ASSERT_TRUE(engine.Run(0));  // the first stone comes at once
    const int next = engine.NextType();
    EXPECT_FALSE(engine.Init(100)) << "twice without Reset";
    EXPECT_EQ(engine.GetSpeed(), 400);
    EXPECT_TRUE(engine.State() & STATE_STONE);
    EXPECT_EQ(engine.NextType(), next);

    engine.SetSpeed(1001);
    EXPECT_EQ(engine.GetSpeed(), 400);
    engine.SetSpeed(1000);
    EXPECT_EQ(engine.FallInterval(), 0u);
    engine.SetSpeed(-5);
    EXPECT_EQ(engine.FallInterval(), 1005u);

    engine.Reset();
    ASSERT_TRUE(engine.Init(-200));
    EXPECT_EQ(engine.FallInterval(), 1200u);
    EXPECT_EQ(engine.GetSpeed(), -200);
}

TEST(TumbloEngine, InitEmptiesTheSlotsAndSlotsOutsideTheirRangeAreRefused)
{
    TumbloEngine engine;
    Sprite empty, block;
    SoundStream sound;
    ASSERT_TRUE(engine.SetGraphic(-1, &empty));
    ASSERT_TRUE(engine.SetSound(1, &sound));
    ASSERT_TRUE(engine.Init(400));
    EXPECT_EQ(engine.GetGraphic(-1), nullptr);

    EXPECT_TRUE(engine.SetGraphic(-1, &empty));
    EXPECT_TRUE(engine.SetGraphic(1, &block));
    EXPECT_FALSE(engine.SetGraphic(2, &block));
    EXPECT_FALSE(engine.SetGraphic(-2, &block));
    EXPECT_FALSE(engine.SetSound(-1, &sound));
    EXPECT_FALSE(engine.SetSound(2, &sound));
    EXPECT_EQ(engine.GetGraphic(-1), &empty);
    EXPECT_EQ(engine.GetGraphic(1), &block);
    EXPECT_EQ(engine.GetGraphic(2), nullptr);
    EXPECT_EQ(engine.GetGraphic(-2), nullptr);
}

TEST_F(PlayfieldTest, FourRowsAtOnceScore160WithOneClearSoundOnTheClearingCallOnly)
{
    SoundStream landed, cleared;
    engine.SetSound(SOUND_STONE_DOWN, &landed);
    engine.SetSound(SOUND_ROWS_CLEARED, &cleared);
    BuildPlayfield(engine, {"XXXXXXXXXX.", "XXXXXXXXXX.", "XXXXXXXXXX.", "OOOOOOOOOO."});
    StopFalling();
    Spawn(1);
    clock.Advance(engine.FallInterval() + 1);
    engine.Run(0);
    Press(KEY_ROTATE);  // upright in column 4
    for (int press = 0; press < 6; ++press)
        Press(KEY_RIGHT);
    FallUntilLanded();
    EXPECT_EQ(engine.SoundPlays(SOUND_STONE_DOWN), 1);
    EXPECT_EQ(engine.GetLastLines(), 0) << "rows are cleared on the call after the landing";

    clock.Advance(1);
    EXPECT_TRUE(engine.Run(0));
    EXPECT_EQ(engine.GetLastLines(), 4);
    EXPECT_EQ(engine.GetLastPoints(), 160);
    EXPECT_EQ(engine.GetScore(), 160);
    EXPECT_EQ(engine.GetLines(), 4);
    EXPECT_EQ(engine.SoundPlays(SOUND_ROWS_CLEARED), 1);
    EXPECT_EQ(PlayfieldRows(engine, 17), std::vector<std::string>(4, "..........."));

    clock.Advance(1);
    engine.Run(0);
    EXPECT_EQ(engine.GetLastLines(), 0);
    EXPECT_EQ(engine.GetLastPoints(), 0);
    EXPECT_EQ(engine.GetScore(), 160);
    EXPECT_EQ(engine.SoundPlays(SOUND_ROWS_CLEARED), 1);
}

TEST_F(PlayfieldTest, RowsClearedApartMoveEachRowAboveByTheRowsBelowIt)
{
    BuildPlayfield(engine, {
        "X..........",
        "XX.........",
        "XXXXXXXXXXX",
        "..X.X......",
        "XXOXXXXXXXX",
        "...X.......",
    });
    ASSERT_TRUE(engine.Run(0));
    EXPECT_EQ(engine.GetLastLines(), 2);
    EXPECT_EQ(engine.GetLastPoints(), 40);
    EXPECT_EQ(PlayfieldRows(engine, 15), (std::vector<std::string>{
        "...........",
        "...........",
        "X..........",
        "XX.........",
        "..X.X......",
        "...X.......",
    }));
}

TEST_F(PlayfieldTest, TheNextStoneWaitsTwoIntervalsAfterTheLanding)
{
    Spawn(0);
    FallUntilLanded();
    engine.SetSpeed(400);
    const Uint32 landed = clock.Now();
    clock.Set(landed + 1200);
    EXPECT_TRUE(engine.Run(0));
    EXPECT_FALSE(engine.State() & STATE_STONE);
    clock.Set(landed + 1201);
    EXPECT_TRUE(engine.Run(0));
    EXPECT_TRUE(engine.State() & STATE_STONE);
}

TEST_F(PlayfieldTest, ABlockLeftInTheTopRowEndsTheGameUntilTheNextInit)
{
    engine.PlaceBlock(0, 0, 0);
    BuildPlayfield(engine, {"XXXXXXXXXXX"});
    engine.SetNextType(0);
    EXPECT_TRUE(engine.Run(0)) << "the cleared row below shifts the block out of row 0";
    EXPECT_TRUE(engine.BlockAt(0, 1));

    // The square lands at once on a block right below it, still in row 0.
    engine.PlaceBlock(4, 2, 0);
    FallUntilLanded();
    EXPECT_EQ(engine.StonePosition(0).row, 0);
    clock.Advance(1);
    EXPECT_FALSE(engine.Run(0));
    EXPECT_TRUE(engine.IsGameOver());
    EXPECT_EQ(engine.State(), STATE_GAME_OVER);
    clock.Advance(100000);
    EXPECT_FALSE(engine.Run(KEY_DOWN));

    ASSERT_TRUE(engine.Init(400));
    EXPECT_FALSE(engine.IsGameOver());
    EXPECT_EQ(engine.BlockAt(4, 0), nullptr);
    EXPECT_TRUE(engine.Run(0));
}

TEST_F(PlayfieldTest, AStoneSpawnedOntoABlockEndsTheGameAndKeepsWhatItPlaced)
{
    engine.PlaceBlock(4, 1, 1);
    engine.SetNextType(0);
    EXPECT_FALSE(engine.Run(0));
    EXPECT_TRUE(engine.IsGameOver());
    EXPECT_TRUE(engine.BlockAt(4, 0)) << "block 0 was placed before block 2 found its cell taken";
    EXPECT_TRUE(engine.BlockAt(5, 0));
    EXPECT_EQ(engine.BlockAt(5, 1), nullptr);
    EXPECT_FALSE(engine.Run(0));
}
