// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/computer_player.h"
#include "tests/game/playfield_fixture.h"

// The bottom rows, the stone, the next and the speed; the rows once it has landed ('?': either).
// Then sixty stones from an empty playfield, through the same key windows as anyone's keys.
TEST_F(PlayfieldTest, TheComputerTakesTheBestPlacementItCanReachAndKeepsThePlayfieldLow)
{
    ComputerPlayer computer;
    const auto step = [&](Uint32 milliseconds) {  // as a game mode steps it
        clock.Advance(milliseconds);
        return engine.Run(computer.Keys(engine));
    };
    // clang-format off
    const std::tuple<const char*, Picture, int, int, int, Picture> cases[] = {
        {"a row cleared rather than holes made", {"XXXXX.XXXXX", "XXXXX.XXXXX"}, 1, 0, 400,
         {".....X.....", ".....X....."}},
        // Three in a row with one below would clear the bottom row, but no key takes it there.
        {"no drop into a covered hole", {"XXX........", "...XXXXXXXX", "...XXXXXXXX", "...XXXXXXXX"},
         2, 0, 400, {"...????????", "...????????", "XXX????????", "...XXXXXXXX", "...XXXXXXXX",
                     "...XXXXXXXX"}},
        // At the top speed a stone falls a row a frame: one key window, one step, before it lands.
        {"no aim beyond reach", {"XXXXXXX...."}, 1, 0, SPEED_MAX, {"???????....", "XXXXXXX...."}},
    };
    // clang-format on
    for (const auto& [why, before, type, next, speed, after] : cases) {
        engine.Reset();
        ASSERT_TRUE(engine.Init(speed));
        computer.Forget();
        Build(before);
        Spawn(type);
        engine.SetNextType(next);
        for (int frame = 0; frame < 2000 && (engine.State() & STATE_STONE); ++frame)
            step(8);
        step(8);  // the landed stone's rows are cleared
        Picture shown = Rows(FIELD_ROWS - int(after.size()));
        for (size_t row = 0; row < shown.size(); ++row)
            for (size_t column = 0; column < shown[row].size(); ++column)
                if (after[row][column] == '?')
                    shown[row][column] = '?';
        EXPECT_EQ(shown, after) << why;
    }

    engine.Reset();
    ASSERT_TRUE(engine.Init(400));
    computer.Forget();
    int stones = 0;
    bool falling = false;
    while (stones <= 60 && step(1)) {
        const bool stone = engine.State() & STATE_STONE;
        stones += stone && !falling;
        falling = stone;
    }
    EXPECT_FALSE(engine.IsGameOver());
    EXPECT_GE(engine.GetLines(), 60 * STONE_BLOCKS / FIELD_COLUMNS - 6);
}
