// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_GAME_PLAYFIELD_FIXTURE_H
#define KOLVO_TESTS_GAME_PLAYFIELD_FIXTURE_H

#include "game/tumblo_engine.h"
#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using Cells = std::vector<std::pair<int, int>>;  // (column, row) of blocks 0 to 3
using Picture = std::vector<std::string>;        // rows of 'X' (graphic 0), 'O' (graphic 1), '.'

// A running game at speed 400 on a fake clock, driven the way a game mode drives it.
class PlayfieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Init(400)); }

    // Settled blocks from a picture whose last row is the bottom row.
    void Build(const Picture& rows)
    {
        for (int r = 0; r < int(rows.size()); ++r)
            for (int column = 0; column < FIELD_COLUMNS; ++column)
                if (rows[r][column] != '.')
                    engine.PlaceBlock(column, FIELD_ROWS - int(rows.size()) + r,
                                      rows[r][column] == 'O');
    }
    // The playfield from row first to the bottom, every block shown as 'X'.
    Picture Rows(int first) const
    {
        Picture rows(FIELD_ROWS - first, std::string(FIELD_COLUMNS, '.'));
        for (int row = first; row < FIELD_ROWS; ++row)
            for (int column = 0; column < FIELD_COLUMNS; ++column)
                rows[row - first][column] = engine.BlockAt(column, row) ? 'X' : '.';
        return rows;
    }
    Cells Stone() const
    {
        Cells cells;
        for (int b = 0; b < STONE_BLOCKS; ++b)
            cells.emplace_back(engine.StonePosition(b).column, engine.StonePosition(b).row);
        return cells;
    }
    void Spawn(int type)  // as soon as the spawn delay allows
    {
        engine.SetNextType(type);
        clock.Advance(2 * engine.FallInterval() + 1);
        ASSERT_TRUE(engine.Run(0));
        ASSERT_EQ(engine.CurrentType(), type);
    }
    bool Press(Uint32 keys)  // one call in a fresh key window
    {
        clock.Advance(KEY_WINDOW_MS + 1);
        return engine.Run(keys);
    }
    void Fall(int rows)
    {
        for (int row = 0; row < rows; ++row)
            clock.Advance(engine.FallInterval() + 1), engine.Run(0);
    }
    void FallUntilLanded()
    {
        engine.SetSpeed(SPEED_MAX);
        for (int call = 0; call < 2 * FIELD_ROWS && (engine.State() & STATE_STONE); ++call)
            Fall(1);
        ASSERT_FALSE(engine.State() & STATE_STONE) << "the stone never landed";
    }
    void StopFalling() { engine.SetSpeed(-1000000); }  // nothing falls unless the test lets it

    FakeClock clock{100000};
    TumbloEngine engine;
};

#endif
