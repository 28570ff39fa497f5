#include "tests/game/playfield_fixture.h"

#include <algorithm>

// Every stone as it appears at the top of an empty playfield.
static const std::vector<std::string> SPAWN_PICTURES[STONE_TYPES][2] = {
    {{"....XX.....", "....XX....."}},
    {{"...XXXX....", "..........."}},
    {{"...XXX.....", "...X......."}},
    {{"...XXX.....", ".....X....."}},
    {{"...XX......", "....XX....."}},
    {{"....XX.....", "...XX......"}},
    {{"...XXX.....", "....X......"}},
};

static std::vector<std::string> TopRows(const TumbloEngine& engine)
{
    std::vector<std::string> rows = PlayfieldRows(engine, 0);
    return {rows[0], rows[1]};
}

TEST(StoneTables, EveryTurnIsAQuarterTurnAboutBlockZero)
{
    for (int type = 1; type < STONE_TYPES; ++type) {
        Position offset[STONE_BLOCKS];
        for (int b = 0; b < STONE_BLOCKS; ++b)
            offset[b] = {STONE_SPAWN_TABLE[type][b].column - STONE_SPAWN_TABLE[type][0].column,
                         STONE_SPAWN_TABLE[type][b].row - STONE_SPAWN_TABLE[type][0].row};
        for (int turn = 1; turn <= STONE_TURNS; ++turn) {
            const int entry = turn % STONE_TURNS;
            for (int b = 1; b < STONE_BLOCKS; ++b) {
                const Position move = STONE_ROTATION_TABLE[type][entry][b - 1];
                const Position turned = {-offset[b].row, offset[b].column};
                EXPECT_EQ(offset[b].column + move.column, turned.column) << type << " " << entry << " " << b;
                EXPECT_EQ(offset[b].row + move.row, turned.row) << type << " " << entry << " " << b;
                offset[b] = turned;
            }
        }
    }
}

TEST_F(PlayfieldTest, EveryTypeSpawnsInPlaceWithCounterOneAndStonesAlternatePictures)
{
    int previousGraphic = -1;
    for (int type = 0; type < STONE_TYPES; ++type) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(400));
        Spawn(type);
        EXPECT_EQ(TopRows(engine), (SPAWN_PICTURES[type][0])) << "type " << type;
        EXPECT_EQ(engine.RotationCounter(), 1);
        const Position pivot = engine.StonePosition(0);
        EXPECT_EQ(pivot.column, 4);
        EXPECT_EQ(pivot.row, 0);
        const int graphic = engine.BlockAt(4, 0)->graphic;
        EXPECT_NE(graphic, previousGraphic) << "the colour counter survives Reset";
        previousGraphic = graphic;
    }
}

TEST_F(PlayfieldTest, FourTurnsInFreeSpaceRestoreEveryStoneAndTheSquareStaysPut)
{
    for (int type = 0; type < STONE_TYPES; ++type) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(400));
        StopFalling();
        Spawn(type);
        // Two rows down, every turn is free.
        clock.Advance(engine.FallInterval() + 1);
        engine.Run(0);
        clock.Advance(engine.FallInterval() + 1);
        engine.Run(0);
        const Cells start = StoneCells(engine);
        ASSERT_EQ(start[0].second, 2);
        for (int turn = 1; turn <= STONE_TURNS; ++turn) {
            ASSERT_TRUE(Press(KEY_ROTATE));
            EXPECT_EQ(engine.RotationCounter(), (1 + turn) % STONE_TURNS);
            EXPECT_EQ(StoneCells(engine) == start, type == 0 || turn == STONE_TURNS) << type << " " << turn;
            EXPECT_EQ(StoneCells(engine)[0], start[0]) << "block 0 is the pivot";
        }
    }
}

TEST_F(PlayfieldTest, TheBarInTheTopRowCannotTurnUntilItHasFallen)
{
    StopFalling();
    Spawn(1);
    Press(KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 1);
    EXPECT_EQ(TopRows(engine), (SPAWN_PICTURES[1][0]));
    clock.Advance(engine.FallInterval() + 1);
    engine.Run(0);
    Press(KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 2);
    EXPECT_EQ(StoneCells(engine), (Cells{{4, 1}, {4, 2}, {4, 3}, {4, 0}}));
}

TEST_F(PlayfieldTest, WallsAndSettledBlocksStopMovesAndTurns)
{
    StopFalling();
    Spawn(1);
    for (int press = 0; press < 5; ++press)
        Press(KEY_LEFT);
    EXPECT_EQ(TopRows(engine)[0], "XXXX.......") << "held against the wall, the stone stays";

    engine.PlaceBlock(5, 0, 0);
    Press(KEY_RIGHT);
    Press(KEY_RIGHT);
    EXPECT_EQ(TopRows(engine)[0], ".XXXXX.....") << "one step, then the settled block";

    // Fallen one row, the turn would put block 1 onto a settled block: refused, counter kept.
    clock.Advance(engine.FallInterval() + 1);
    engine.Run(0);
    engine.PlaceBlock(2, 2, 0);
    Press(KEY_ROTATE);
    EXPECT_EQ(engine.RotationCounter(), 1);
    EXPECT_EQ(StoneCells(engine), (Cells{{2, 1}, {3, 1}, {4, 1}, {1, 1}}));
}

TEST_F(PlayfieldTest, LeftAndRightTogetherLeaveAFreeStoneInItsColumn)
{
    StopFalling();
    Spawn(6);
    const Cells start = StoneCells(engine);
    Press(KEY_LEFT | KEY_RIGHT);
    EXPECT_EQ(StoneCells(engine), start);
    Press(KEY_LEFT | KEY_RIGHT | 1 | 64 | 0x80000000u);
    EXPECT_EQ(StoneCells(engine), start) << "unknown bits do nothing";
}

TEST_F(PlayfieldTest, AHeldKeyActsOncePerKeyWindow)
{
    StopFalling();
    Spawn(0);
    for (int frame = 0; frame <= int(KEY_WINDOW_MS); ++frame) {
        engine.Run(KEY_ROTATE | KEY_RIGHT);
        clock.Advance(1);
    }
    EXPECT_EQ(engine.RotationCounter(), 2);
    EXPECT_EQ(engine.StonePosition(0).column, 5);
    engine.Run(KEY_ROTATE | KEY_RIGHT);
    EXPECT_EQ(engine.RotationCounter(), 3) << "201 ms after the window opened, the next one opens";
    EXPECT_EQ(engine.StonePosition(0).column, 6);
}

TEST_F(PlayfieldTest, FallsWaitTheirIntervalAndTheFastFallAQuarterOfIt)
{
    Spawn(0);  // interval 600, last fall now
    const Uint32 spawned = clock.Now();
    engine.Run(KEY_DOWN);  // opens a window: a fast fall is pending
    clock.Set(spawned + 150);
    engine.Run(KEY_DOWN);
    EXPECT_EQ(engine.StonePosition(0).row, 0);
    clock.Set(spawned + 151);
    engine.Run(KEY_DOWN);
    EXPECT_EQ(engine.StonePosition(0).row, 1);
    EXPECT_FALSE(engine.State() & STATE_FAST) << "one row per press of the window";

    // Released between two windows, the next pending fast fall is cancelled.
    clock.Set(spawned + 202);
    engine.Run(KEY_DOWN);
    EXPECT_TRUE(engine.State() & STATE_FAST);
    clock.Set(spawned + 250);
    engine.Run(0);
    EXPECT_FALSE(engine.State() & STATE_FAST);
    clock.Set(spawned + 751);
    engine.Run(0);
    EXPECT_EQ(engine.StonePosition(0).row, 1) << "only the normal interval counts now";
    clock.Set(spawned + 752);
    engine.Run(0);
    EXPECT_EQ(engine.StonePosition(0).row, 2);
}

TEST_F(PlayfieldTest, AtSpeed1000TheStoneFallsWhenTheClockHasMoved)
{
    engine.SetSpeed(SPEED_MAX);
    Spawn(0);
    engine.Run(0);
    EXPECT_EQ(engine.StonePosition(0).row, 0);
    clock.Advance(1);
    engine.Run(0);
    EXPECT_EQ(engine.StonePosition(0).row, 1);
}
