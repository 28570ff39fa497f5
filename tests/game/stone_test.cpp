#include "tests/game/playfield_fixture.h"

TEST(StoneTables, EveryTurnMovesEachBlockAQuarterTurnAboutBlockZero)
{
    for (int type = 1; type < STONE_TYPES; ++type) {
        const Position* spawn = STONE_SPAWN_TABLE[type];
        for (int b = 1; b < STONE_BLOCKS; ++b) {
            Position offset = {spawn[b].column - spawn[0].column, spawn[b].row - spawn[0].row};
            for (int turn = 1; turn <= STONE_TURNS; ++turn) {
                const Position move = STONE_ROTATION_TABLE[type][turn % STONE_TURNS][b - 1];
                const Position turned = {-offset.row, offset.column};
                EXPECT_EQ(std::pair(offset.column + move.column, offset.row + move.row),
                          std::pair(turned.column, turned.row)) << type << " entry " << turn % 4 << " block " << b;
                offset = turned;
            }
        }
    }
}

TEST_F(PlayfieldTest, EveryTypeSpawnsAtTheTopWithCounterOneInAlternatePictures)
{
    const std::string pictures[STONE_TYPES] = {
        "....XX.....|....XX.....", "...XXXX....|...........", "...XXX.....|...X.......",
        "...XXX.....|.....X.....", "...XX......|....XX.....", "....XX.....|...XX......",
        "...XXX.....|....X......",
    };
    int previous = -1;
    for (int type = 0; type < STONE_TYPES; ++type) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(400));
        Spawn(type);
        EXPECT_EQ(Rows(0)[0] + "|" + Rows(0)[1], pictures[type]);
        EXPECT_EQ(engine.RotationCounter(), 1);
        EXPECT_NE(engine.BlockAt(4, 0)->graphic, previous) << "Reset keeps the colour counter";
        previous = engine.BlockAt(4, 0)->graphic;
    }
}

TEST_F(PlayfieldTest, FourTurnsRestoreEveryStoneAndTheSquareOnlyCounts)
{
    for (int type = 0; type < STONE_TYPES; ++type) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(400));
        StopFalling();
        Spawn(type);
        Fall(2);
        const Cells start = Stone();
        for (int turn = 1; turn <= STONE_TURNS; ++turn) {
            Press(KEY_ROTATE);
            EXPECT_EQ(engine.RotationCounter(), (1 + turn) % STONE_TURNS);
            EXPECT_EQ(Stone() == start, type == 0 || turn == STONE_TURNS) << type << " turn " << turn;
            EXPECT_EQ(Stone()[0], start[0]) << "block 0 is the pivot";
        }
    }
}

TEST_F(PlayfieldTest, WallsAndSettledBlocksSilentlyRefuseMovesAndTurns)
{
    StopFalling();
    Spawn(1);
    Press(KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 1) << "in row 0 the bar cannot turn";
    Press(KEY_LEFT | KEY_RIGHT);
    EXPECT_EQ(Rows(0)[0], "...XXXX....") << "left and right together";
    for (int press = 0; press < 5; ++press)
        Press(KEY_LEFT);
    EXPECT_EQ(Rows(0)[0], "XXXX.......");
    engine.PlaceBlock(5, 0, 0);
    Press(KEY_RIGHT);
    Press(KEY_RIGHT);
    EXPECT_EQ(Rows(0)[0], ".XXXXX.....");

    Fall(1);
    engine.PlaceBlock(2, 2, 0);
    Press(KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 1) << "block 1 would turn onto a settled block";
    Press(KEY_RIGHT | KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 2);
    EXPECT_EQ(Stone(), (Cells{{3, 1}, {3, 2}, {3, 3}, {3, 0}}));
}

TEST_F(PlayfieldTest, AHeldKeyActsOncePerKeyWindow)
{
    StopFalling();
    Spawn(0);
    for (Uint32 ms = 0; ms <= KEY_WINDOW_MS; ++ms, clock.Advance(1))
        engine.Run(KEY_ROTATE | KEY_RIGHT);
    EXPECT_EQ(Stone()[0], (std::pair{5, 0}));
    engine.Run(KEY_ROTATE | KEY_RIGHT);
    EXPECT_EQ(Stone()[0], (std::pair{6, 0}));
    EXPECT_EQ(engine.RotationCounter(), 3);
}

TEST_F(PlayfieldTest, TheFastFallWaitsAQuarterIntervalAndAReleaseCancelsIt)
{
    Spawn(0);  // falls every 600 ms from now
    const Uint32 spawned = clock.Now();
    const auto rowAt = [&](Uint32 ms, Uint32 keys) {
        clock.Set(spawned + ms);
        engine.Run(keys);
        return engine.StonePosition(0).row;
    };
    EXPECT_EQ(rowAt(0, KEY_DOWN), 0);
    EXPECT_EQ(rowAt(150, KEY_DOWN), 0);
    EXPECT_EQ(rowAt(151, KEY_DOWN), 1);
    EXPECT_EQ(rowAt(202, KEY_DOWN), 1);  // the next window asks again
    EXPECT_EQ(rowAt(250, 0), 1);         // released before the quarter interval is up
    EXPECT_EQ(rowAt(751, 0), 1) << "only the normal interval counts now";
    EXPECT_EQ(rowAt(752, 0), 2);
}
