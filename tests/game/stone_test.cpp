// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/game/playfield_fixture.h"

// The stone's cells turned a quarter clockwise on screen (rows grow downwards) about block 0, the
// given number of times.
static Cells TurnedAboutBlockZero(Cells cells, int quarters)
{
    const auto [x0, y0] = cells[0];
    for (int q = 0; q < quarters; ++q)
        for (auto& [x, y] : cells)
            std::tie(x, y) = std::pair{x0 - (y - y0), y0 + (x - x0)};
    return cells;
}

// Each stone spawns at the top in the other picture than the one before it, even across a Reset;
// in free space its k-th turn shows the spawned shape turned k quarters about block 0 (the square
// only counts its turns).
TEST_F(PlayfieldTest, EveryTypeSpawnsAtTheTopInAlternatePicturesAndTurnsAboutBlockZero)
{
    const std::string pictures[STONE_TYPES] = {"....XX.....|....XX.....", "...XXXX....|...........",
                                               "...XXX.....|...X.......", "...XXX.....|.....X.....",
                                               "...XX......|....XX.....", "....XX.....|...XX......",
                                               "...XXX.....|....X......"};
    std::vector<int> graphics;
    for (int type = 0; type < STONE_TYPES; ++type) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(400));
        StopFalling();
        Spawn(type);
        EXPECT_EQ(Rows(0)[0] + "|" + Rows(0)[1], pictures[type]) << "type " << type;
        graphics.push_back(engine.BlockAt(4, 0)->graphic);
        Fall(2);
        const Cells spawned = Stone();
        for (int turn = 1; turn <= STONE_TURNS; ++turn) {
            Press(KEY_ROTATE);
            EXPECT_EQ(Stone(), type == 0 ? spawned : TurnedAboutBlockZero(spawned, turn))
                << "type " << type << " turn " << turn;
            EXPECT_EQ(engine.RotationCounter(), (1 + turn) % STONE_TURNS);
        }
    }
    EXPECT_EQ(graphics, (std::vector{0, 1, 0, 1, 0, 1, 0}));
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
    const Uint32 start = clock.Now();
    // (ms after start, keys held, row of block 0 after that call)
    const Uint32 steps[][3] = {{0, KEY_DOWN, 0},   {150, KEY_DOWN, 0}, {151, KEY_DOWN, 1},
                               {202, KEY_DOWN, 1},  // the next window asks again
                               {250, 0, 1},         // released before the quarter interval is up
                               {751, 0, 1},         // only the normal interval counts now
                               {752, 0, 2}};
    for (const auto& step : steps) {
        clock.Set(start + step[0]);
        engine.Run(step[1]);
        EXPECT_EQ(Uint32(engine.StonePosition(0).row), step[2]) << "at " << step[0] << " ms";
    }
}
