// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "tests/game/playfield_fixture.h"

// The cells turned quarters times a quarter clockwise on screen (rows grow down) about block 0.
static Cells TurnedAboutBlockZero(Cells cells, int quarters)
{
    const auto [x0, y0] = cells[0];
    for (int q = 0; q < quarters; ++q)
        for (auto& [x, y] : cells)
            std::tie(x, y) = std::pair{x0 - (y - y0), y0 + (x - x0)};
    return cells;
}

// Each stone spawns at the top in the other picture than the one before, even across a Reset; its
// k-th turn is the spawned shape turned k quarters about block 0 (the square only counts them).
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

// Held keys act once per 200 ms key window; the fast fall waits a quarter interval. Once the stone
// has landed, the next one waits two intervals.
TEST_F(PlayfieldTest, TheKeyWindowTheFastFallAndTheNextStoneKeepTheirTimes)
{
    Spawn(0);  // falls every 600 ms from now
    const Uint32 start = clock.Now(), HELD = KEY_DOWN | KEY_RIGHT | KEY_ROTATE;
    // (ms after start, keys held, row and column of block 0 after that call)
    const Uint32 steps[][4] = {{0, HELD, 0, 5},   {150, HELD, 0, 5}, {151, HELD, 1, 5},
                               {200, HELD, 1, 5}, {202, HELD, 1, 6},  // the next window
                               {250, 0, 1, 6},  // released before the quarter interval is up
                               {751, 0, 1, 6},  // only the normal interval counts now
                               {752, 0, 2, 6}};
    for (const auto& step : steps) {
        clock.Set(start + step[0]);
        engine.Run(step[1]);
        EXPECT_EQ(Stone()[0], (std::pair{int(step[3]), int(step[2])})) << "at " << step[0] << " ms";
    }
    EXPECT_EQ(engine.RotationCounter(), 3);
    FallUntilLanded();
    engine.SetSpeed(400);
    clock.Advance(1200);
    engine.Run(0);
    EXPECT_FALSE(engine.State() & STATE_STONE);
    clock.Advance(1);
    engine.Run(0);
    EXPECT_TRUE(engine.State() & STATE_STONE) << "the next stone";
}
