#include "tests/game/playfield_fixture.h"

void BuildPlayfield(TumbloEngine& engine, const std::vector<std::string>& rows)
{
    const int top = FIELD_ROWS - int(rows.size());
    for (int r = 0; r < int(rows.size()); ++r)
        for (int column = 0; column < int(rows[r].size()); ++column)
            if (rows[r][column] == 'X' || rows[r][column] == 'O') {
                ASSERT_TRUE(engine.PlaceBlock(column, top + r, rows[r][column] == 'O' ? 1 : 0));
            }
}

std::vector<std::string> PlayfieldRows(const TumbloEngine& engine, int first)
{
    std::vector<std::string> rows;
    for (int row = first; row < FIELD_ROWS; ++row) {
        rows.emplace_back(FIELD_COLUMNS, '.');
        for (int column = 0; column < FIELD_COLUMNS; ++column)
            if (engine.BlockAt(column, row))
                rows.back()[column] = 'X';
    }
    return rows;
}

Cells StoneCells(const TumbloEngine& engine)
{
    Cells cells;
    for (int block = 0; block < STONE_BLOCKS; ++block)
        cells.emplace_back(engine.StonePosition(block).column, engine.StonePosition(block).row);
    return cells;
}

void PlayfieldTest::Spawn(int type)
{
    engine.SetNextType(type);
    clock.Advance(2 * engine.FallInterval() + 1);
    ASSERT_TRUE(engine.Run(0));
    ASSERT_TRUE(engine.State() & STATE_STONE);
    ASSERT_EQ(engine.CurrentType(), type);
}

bool PlayfieldTest::Press(Uint32 keys)
{
    clock.Advance(KEY_WINDOW_MS + 1);
    return engine.Run(keys);
}

void PlayfieldTest::FallUntilLanded()
{
    engine.SetSpeed(SPEED_MAX);
    for (int call = 0; call < 2 * FIELD_ROWS && (engine.State() & STATE_STONE); ++call) {
        clock.Advance(1);
        ASSERT_TRUE(engine.Run(0));
    }
    ASSERT_FALSE(engine.State() & STATE_STONE) << "the stone never landed";
}
