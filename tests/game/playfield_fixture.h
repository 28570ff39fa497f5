#ifndef KOLVO_TESTS_GAME_PLAYFIELD_FIXTURE_H
#define KOLVO_TESTS_GAME_PLAYFIELD_FIXTURE_H

#include "game/tumblo_engine.h"
#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using Cells = std::vector<std::pair<int, int>>;  // (column, row) of blocks 0 to 3

// Builds the bottom of a playfield from a picture whose last string is the bottom row: 'X' is a
// settled block of graphic 0, 'O' one of graphic 1, anything else an empty cell.
void BuildPlayfield(TumbloEngine& engine, const std::vector<std::string>& rows);
// The playfield from row first down to the bottom row, every block 'X', every empty cell '.'.
std::vector<std::string> PlayfieldRows(const TumbloEngine& engine, int first);
Cells StoneCells(const TumbloEngine& engine);

// A running game at speed 400 on a fake clock, with helpers that act like a player's frames.
class PlayfieldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Init(400)); }
    // Spawns a stone of the given type as soon as the spawn delay allows.
    void Spawn(int type);
    // One call in a fresh key window with the given keys held.
    bool Press(Uint32 keys);
    // Lets the stone fall a row per call (the interval is set to 0) until it lands.
    void FallUntilLanded();
    // Makes the fall interval so long that no stone falls unless the test says so.
    void StopFalling() { engine.SetSpeed(-1000000); }

    FakeClock clock{100000};
    TumbloEngine engine;
};

#endif
