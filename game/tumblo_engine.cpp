// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/tumblo_engine.h"

#include "core/frame_look.h"
#include "core/ticks.h"
#include "media/sound_stream.h"
#include "media/sprite.h"

#include <algorithm>
#include <cstdlib>

// The next stone as the side panel shows it: cells relative to the drawing point, in drawing order.
// The bar and the square are anchored at block 0, the two hook shapes at their left end.
// clang-format off
static constexpr Position NEXT_SHAPE_TABLE[STONE_TYPES][STONE_BLOCKS] = {
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {2, 0}, {-1, 0}},
    {{0, 0}, {1, 0}, {2, 0}, {0, 1}},
    {{0, 0}, {1, 0}, {2, 0}, {2, 1}},
    {{0, 0}, {-1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0, 1}, {-1, 1}},
    {{0, 0}, {1, 0}, {-1, 0}, {0, 1}},
};
// clang-format on

static int Slot(int column, int row)
{
    return column * FIELD_ROWS + row;
}

static bool InsideField(Position cell)
{
    return cell.column >= 0 && cell.column < FIELD_COLUMNS && cell.row >= 0 &&
           cell.row < FIELD_ROWS;
}

// Graphic 0 and 1 alternate from stone to stone.
static Uint8 FollowingColour(Uint8 colour)
{
    return colour + 1 > 1 ? 0 : colour + 1;
}

// The colour counter has no meaning before the first stone; starting at 1 makes that stone graphic 0.
TumbloEngine::TumbloEngine()
    : positions(), rotation(0), currentType(0), nextType(0), score(0), lines(0), fallInterval(0),
      state(0), lastFallTime(0), lastKeyTime(0), colour(1), lastPoints(0), lastLines(0), graphics(),
      sounds(), soundPlays()
{
}

TumbloEngine::~TumbloEngine()
{
    Reset();
}

bool TumbloEngine::Init(int speed)
{
    if (state & STATE_RUNNING)
        return false;
    Reset();
    if (speed > SPEED_MAX)
        return false;
    // Unsigned, so a negative speed gives a long interval instead of an overflow.
    fallInterval = Uint32(SPEED_MAX) - Uint32(speed);
    srand(Ticks());
    state = STATE_RUNNING;
    nextType = rand() % STONE_TYPES;
    return true;
}

void TumbloEngine::Reset()
{
    for (std::unique_ptr<Block>& cell : grid)
        cell.reset();
    for (Sprite*& sprite : graphics)
        sprite = nullptr;
    for (SoundStream*& sound : sounds)
        sound = nullptr;
    nextType = score = lines = lastPoints = currentType = 0;
    fallInterval = lastFallTime = lastKeyTime = 0;
    state = 0;
}

bool TumbloEngine::SetSound(int slot, SoundStream* sound)
{
    if (slot < 0 || slot >= SOUND_SLOTS)
        return false;
    sounds[slot] = sound;
    return true;
}

bool TumbloEngine::SetGraphic(int slot, Sprite* sprite)
{
    if (slot < GRAPHIC_EMPTY || slot > 1)
        return false;
    graphics[slot - GRAPHIC_EMPTY] = sprite;
    return true;
}

Sprite* TumbloEngine::GetGraphic(int slot) const
{
    if (slot < GRAPHIC_EMPTY || slot > 1)
        return nullptr;
    return graphics[slot - GRAPHIC_EMPTY];
}

int TumbloEngine::GetSpeed() const
{
    return int(Uint32(SPEED_MAX) - fallInterval);
}

void TumbloEngine::SetSpeed(int speed)
{
    if (speed <= SPEED_MAX && (state & STATE_RUNNING))
        fallInterval = Uint32(SPEED_MAX) - Uint32(speed);
}

const Block* TumbloEngine::BlockAt(int column, int row) const
{
    if (!InsideField({column, row}))
        return nullptr;
    return grid[Slot(column, row)].get();
}

bool TumbloEngine::PlaceBlock(int column, int row, Uint8 graphic)
{
    if (Occupied({column, row}))
        return false;
    // Settled blocks carry FLAG_SETTLED, as every block of a spawned stone does.
    grid[Slot(column, row)] = std::make_unique<Block>(Block{FLAG_SETTLED, graphic});
    return true;
}

// ---- One step of the game ----

bool TumbloEngine::Run(Uint32 keys)
{
    if (!(state & STATE_RUNNING))
        return false;
    lastPoints = 0;
    lastLines = 0;
    if (state & STATE_STONE)
        return RunStonePhase(keys);
    return RunSettlePhase();
}

Uint32 TumbloEngine::QuietFor(Uint32 now) const
{
    if (!(state & STATE_RUNNING))
        return TICKS_QUIET_FOREVER;
    if (!(state & STATE_STONE)) {
        bool work = !RowEmpty(0);
        for (int row = 1; row < FIELD_ROWS && !work; ++row)
            work = RowFull(row);
        return work ? 0 : TicksUntilPassed(lastFallTime, 2 * Uint64(fallInterval), now);
    }
    const Uint32 fall = (state & STATE_FAST) ? fallInterval / 4 : fallInterval;
    return std::min(TicksUntilPassed(lastKeyTime, KEY_WINDOW_MS, now),
                    TicksUntilPassed(lastFallTime, fall, now));
}

bool TumbloEngine::RunStonePhase(Uint32 keys)
{
    if (Ticks() - lastKeyTime <= KEY_WINDOW_MS) {
        // Between windows only a released down key matters: it cancels a pending fast fall.
        if (!(keys & KEY_DOWN))
            state &= ~STATE_FAST;
    } else {
        lastKeyTime = Ticks();
        HandleKeys(keys);
    }
    if (state & STATE_FAST)
        FallFast();
    else
        FallNormal();
    return true;
}

void TumbloEngine::HandleKeys(Uint32 keys)
{
    if (keys & KEY_LEFT)
        Shift(-1, 0);
    if (keys & KEY_RIGHT)
        Shift(1, 0);
    if (keys & KEY_ROTATE)
        Turn();
    if (keys & KEY_DOWN)
        state |= STATE_FAST;
}

void TumbloEngine::FallFast()
{
    if (Ticks() - lastFallTime <= fallInterval / 4)
        return;
    lastFallTime = Ticks();
    state &= ~STATE_FAST;
    if (!Shift(0, 1))
        Land();
}

void TumbloEngine::FallNormal()
{
    if (Ticks() - lastFallTime <= fallInterval)
        return;
    lastFallTime = Ticks();
    if (!Shift(0, 1))
        Land();
}

bool TumbloEngine::Shift(int columns, int rows)
{
    const Position offsets[STONE_BLOCKS] = {
        {columns, rows}, {columns, rows}, {columns, rows}, {columns, rows}};
    return MoveStone(offsets);
}

// Block 0 is the pivot: it stays, the others move by the table entry for the counter before the turn.
bool TumbloEngine::Turn()
{
    const Position* entry = STONE_ROTATION_TABLE[currentType][rotation];
    const Position offsets[STONE_BLOCKS] = {{0, 0}, entry[0], entry[1], entry[2]};
    if (!MoveStone(offsets))
        return false;
    rotation = (rotation + 1) % STONE_TURNS;
    return true;
}

// Lifts the stone so that it never blocks itself, then puts it down moved or, when any new cell is
// a wall or taken, where it was.
bool TumbloEngine::MoveStone(const Position offsets[STONE_BLOCKS])
{
    std::unique_ptr<Block> lifted[STONE_BLOCKS];
    for (int i = 0; i < STONE_BLOCKS; ++i)
        lifted[i] = std::move(grid[Slot(positions[i].column, positions[i].row)]);
    Position target[STONE_BLOCKS];
    bool free = true;
    for (int i = 0; i < STONE_BLOCKS; ++i) {
        target[i] = {positions[i].column + offsets[i].column, positions[i].row + offsets[i].row};
        free = free && !Occupied(target[i]);
    }
    for (int i = 0; i < STONE_BLOCKS; ++i) {
        if (free)
            positions[i] = target[i];
        grid[Slot(positions[i].column, positions[i].row)] = std::move(lifted[i]);
    }
    return free;
}

void TumbloEngine::Land()
{
    state = STATE_RUNNING;
    PlaySound(SOUND_STONE_DOWN);
}

bool TumbloEngine::RunSettlePhase()
{
    Score(ClearFullRows());
    if (!RowEmpty(0)) {
        state = STATE_GAME_OVER;
        return false;
    }
    // 64-bit, so that twice a huge interval (a very negative speed) still compares as a wait.
    if (Uint64(Ticks() - lastFallTime) <= 2 * Uint64(fallInterval))
        return true;
    return SpawnStone();
}

// Top to bottom in one pass: rows above a cleared row were already found not full, so moving them
// down cannot make a row full that the pass has left behind.
int TumbloEngine::ClearFullRows()
{
    int cleared = 0;
    for (int row = 0; row < FIELD_ROWS; ++row) {
        if (!RowFull(row))
            continue;
        ClearRow(row);
        ShiftPass();
        ++cleared;
    }
    return cleared;
}

bool TumbloEngine::RowFull(int row) const
{
    for (int column = 0; column < FIELD_COLUMNS; ++column)
        if (!grid[Slot(column, row)])
            return false;
    return true;
}

bool TumbloEngine::RowEmpty(int row) const
{
    for (int column = 0; column < FIELD_COLUMNS; ++column)
        if (grid[Slot(column, row)])
            return false;
    return true;
}

// Frees the row and marks every block above it as not yet moved.
void TumbloEngine::ClearRow(int row)
{
    for (int column = 0; column < FIELD_COLUMNS; ++column) {
        grid[Slot(column, row)].reset();
        for (int above = 0; above <= row; ++above)
            if (Block* block = grid[Slot(column, above)].get())
                block->flags = 0;
    }
}

// Bottom-up, each unmoved block drops into an empty cell below it once; blocks below the cleared
// row still carry FLAG_SETTLED and stay, so everything above the row moves down exactly one row.
void TumbloEngine::ShiftPass()
{
    for (int column = 0; column < FIELD_COLUMNS; ++column) {
        for (int row = FIELD_ROWS - 2; row >= 0; --row) {
            std::unique_ptr<Block>& cell = grid[Slot(column, row)];
            if (!cell || (cell->flags & FLAG_SETTLED))
                continue;
            cell->flags |= FLAG_SETTLED;
            std::unique_ptr<Block>& below = grid[Slot(column, row + 1)];
            if (!below)
                below = std::move(cell);
        }
    }
}

void TumbloEngine::Score(int rows)
{
    lastLines = rows;
    if (rows == 0)
        return;
    lines += rows;
    lastPoints = POINTS_PER_ROW * rows * rows;
    score += lastPoints;
    PlaySound(SOUND_ROWS_CLEARED);
}

bool TumbloEngine::SpawnStone()
{
    lastFallTime = Ticks();
    for (int i = 0; i < STONE_BLOCKS; ++i)
        positions[i] = STONE_SPAWN_TABLE[nextType][i];
    rotation = 1;
    colour = FollowingColour(colour);
    for (const Position& at : positions) {
        std::unique_ptr<Block>& cell = grid[Slot(at.column, at.row)];
        // A full playfield ends the game; blocks already placed stay in the grid.
        if (cell) {
            state = STATE_GAME_OVER;
            return false;
        }
        cell = std::make_unique<Block>(Block{FLAG_SETTLED, colour});
    }
    state |= STATE_STONE;
    currentType = nextType;
    nextType = rand() % STONE_TYPES;
    return true;
}

void TumbloEngine::PlaySound(int slot)
{
    if (!sounds[slot])
        return;
    ++soundPlays[slot];
    sounds[slot]->Play(false);
}

bool TumbloEngine::Occupied(Position cell) const
{
    return !InsideField(cell) || grid[Slot(cell.column, cell.row)];
}

// ---- Drawing ----

bool TumbloEngine::Draw(int x, int y)
{
    for (int column = 0; column < FIELD_COLUMNS; ++column) {
        for (int row = 0; row < FIELD_ROWS; ++row) {
            const Block* block = grid[Slot(column, row)].get();
            Sprite* sprite = GetGraphic(block ? block->graphic : GRAPHIC_EMPTY);
            if (sprite &&
                !sprite->Draw(Uint16(x + CELL_SIZE * column), Uint16(y + CELL_SIZE * row)))
                return false;
        }
    }
    return true;
}

bool TumbloEngine::DrawNext(int x, int y)
{
    Sprite* sprite = GetGraphic(FollowingColour(colour));
    if (nextType < 0 || nextType >= STONE_TYPES)
        return false;
    if (!sprite)
        return true;
    for (const Position& cell : NEXT_SHAPE_TABLE[nextType])
        if (!sprite->Draw(Uint16(x + CELL_SIZE * cell.column), Uint16(y + CELL_SIZE * cell.row)))
            return false;
    return true;
}

void TumbloEngine::AddLook(FrameLook& look) const
{
    for (const std::unique_ptr<Block>& cell : grid)
        look.Add(cell ? cell->graphic : GRAPHIC_EMPTY);
    look.Add(nextType);
    look.Add(colour);
    look.Add(score);
    look.Add(lines);
}
