// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/computer_player.h"

#include "core/frame_pacer.h"

#include <algorithm>

// The usual proportions of these measures: a search with tools/computer_games.cpp found no set
// that also played better on other seeds (the README tells it).
// clang-format off
const ComputerWeights COMPUTER_WEIGHTS = {
    -4.5,  // landingHeight
    3.4,   // erodedCells
    -3.2,  // rowTransitions
    -9.3,  // columnTransitions
    -7.9,  // holes
    -3.4,  // wells
};
// clang-format on

namespace {

constexpr Uint32 FULL_ROW = (1u << FIELD_COLUMNS) - 1;
constexpr int SQUARE = 0;  // the one type a turn leaves as it was
// A placement that tops the playfield out; below every other.
constexpr double LOST = -1e12;
// A walk that has not arrived after this many key windows is taken as blocked for good.
constexpr int WALK_WINDOWS_MAX = 64;
// Where any new stone may appear: the columns 3 to 6 of the two top rows.
constexpr Uint32 SPAWN_ZONE = 0x78;
// A key window lasts KEY_WINDOW_MS and a frame, as time passes in frames.
constexpr Uint32 COMPUTER_WINDOW_MS = KEY_WINDOW_MS + FRAME_PERIOD_MS;
// How many of the best placements are weighed again with the next stone.
constexpr int COMPUTER_LOOKAHEAD = 6;

struct Stone {
    Position cells[STONE_BLOCKS];
    int type;
    int rotation;
};

bool Fits(const Uint16* rows, const Position* cells)
{
    for (int i = 0; i < STONE_BLOCKS; ++i) {
        const Position cell = cells[i];
        if (cell.column < 0 || cell.column >= FIELD_COLUMNS || cell.row < 0 ||
            cell.row >= FIELD_ROWS || (rows[cell.row] >> cell.column & 1))
            return false;
    }
    return true;
}

// The playfield's own moves, on what the computer sees: the stone moves only onto free cells.
bool Shift(const Uint16* rows, Stone& stone, int columns, int down)
{
    Position moved[STONE_BLOCKS];
    for (int i = 0; i < STONE_BLOCKS; ++i)
        moved[i] = {stone.cells[i].column + columns, stone.cells[i].row + down};
    if (!Fits(rows, moved))
        return false;
    std::copy(moved, moved + STONE_BLOCKS, stone.cells);
    return true;
}

// A turn by the playfield's rotation table: block 0 stays, the others move by the entry.
bool Turn(const Uint16* rows, Stone& stone)
{
    const Position* entry = STONE_ROTATION_TABLE[stone.type][stone.rotation];
    Position moved[STONE_BLOCKS] = {stone.cells[0]};
    for (int i = 1; i < STONE_BLOCKS; ++i)
        moved[i] = {stone.cells[i].column + entry[i - 1].column,
                    stone.cells[i].row + entry[i - 1].row};
    if (!Fits(rows, moved))
        return false;
    std::copy(moved, moved + STONE_BLOCKS, stone.cells);
    stone.rotation = (stone.rotation + 1) % STONE_TURNS;
    return true;
}

bool Arrived(const Stone& stone, int rotation, int column)
{
    return stone.rotation == rotation && stone.cells[0].column == column;
}

// Walks the stone towards (rotation, column) as ComputerPlayer::Keys does, one shift and one turn
// a key window, while it falls at its pace; from there it falls straight down to rest. False when
// it lands on the way. Where a fall and a key window come at once, the fall is taken first.
bool Walk(const Uint16* rows, Stone stone, int rotation, int column, const ComputerPace& pace,
          Stone& rest)
{
    // A row falls when more than the interval has passed, so at most once a frame.
    const Uint64 fall = std::max<Uint64>(Uint64(pace.fallInterval) + 1, FRAME_PERIOD_MS);
    Uint64 nextFall = pace.untilFall, nextWindow = pace.untilWindow;
    for (int windows = 0; !Arrived(stone, rotation, column);) {
        if (nextFall <= nextWindow) {
            if (!Shift(rows, stone, 0, 1))
                return false;
            nextFall += fall;
            continue;
        }
        if (++windows > WALK_WINDOWS_MAX)
            return false;
        if (stone.cells[0].column != column)
            Shift(rows, stone, stone.cells[0].column < column ? 1 : -1, 0);
        if (stone.rotation != rotation)
            Turn(rows, stone);
        nextWindow += COMPUTER_WINDOW_MS;
    }
    while (Shift(rows, stone, 0, 1)) {
    }
    rest = stone;
    return true;
}

// The playfield after the stone settled at rest and full rows were cleared, and what the move
// itself is worth: its landing height and the cells of it that went with the rows.
double Settle(const Uint16* before, const Stone& rest, Uint16* after, const ComputerWeights& w)
{
    std::copy(before, before + FIELD_ROWS, after);
    int height = 0;
    for (const Position& cell : rest.cells) {
        after[cell.row] |= Uint16(1u << cell.column);
        height += FIELD_ROWS - cell.row;
    }
    int cleared = 0, stoneCells = 0, write = FIELD_ROWS - 1;
    for (int row = FIELD_ROWS - 1; row >= 0; --row) {
        if (after[row] != FULL_ROW) {
            after[write--] = after[row];
            continue;
        }
        ++cleared;
        for (const Position& cell : rest.cells)
            stoneCells += cell.row == row;
    }
    while (write >= 0)
        after[write--] = 0;
    return w.landingHeight * height / STONE_BLOCKS + w.erodedCells * cleared * stoneCells;
}

double FieldScore(const Uint16* rows, const ComputerWeights& w)
{
    // Row bits with a wall on either side: bit 0 the left wall, columns from bit 1, then the right.
    constexpr Uint32 WALLS = 1u | 1u << (FIELD_COLUMNS + 1);
    constexpr Uint32 COLUMN_BITS = FULL_ROW << 1;
    // The empty rows on top: two row transitions each, at the walls, and nothing else.
    int top = 0;
    while (top < FIELD_ROWS && rows[top] == 0)
        ++top;
    int rowTransitions = 2 * top, columnTransitions = 0, holes = 0, wells = 0;
    int wellDepth[FIELD_COLUMNS + 2] = {};
    Uint32 covered = 0, above = 0, wellsAbove = 0;
    for (int row = top; row < FIELD_ROWS; ++row) {
        const Uint32 cells = rows[row];
        const Uint32 walled = cells << 1 | WALLS;
        rowTransitions += __builtin_popcount((walled ^ walled >> 1) & (WALLS | COLUMN_BITS) >> 1);
        columnTransitions += __builtin_popcount(cells ^ above);
        holes += __builtin_popcount(~cells & covered & FULL_ROW);
        covered |= cells;
        above = cells;
        // A well cell deepens the well above it, or starts one.
        const Uint32 wellCells = ~walled & walled << 1 & walled >> 1 & COLUMN_BITS;
        for (Uint32 bits = wellCells; bits; bits &= bits - 1) {
            const int bit = __builtin_ctz(bits);
            wellDepth[bit] = wellsAbove >> bit & 1 ? wellDepth[bit] + 1 : 1;
            wells += wellDepth[bit];
        }
        wellsAbove = wellCells;
    }
    columnTransitions += __builtin_popcount(~above & FULL_ROW);  // the floor counts as filled
    return w.rowTransitions * rowTransitions + w.columnTransitions * columnTransitions +
           w.holes * holes + w.wells * wells;
}

// A new stone first falls after a whole interval. The key window reopens at once when the wait
// before the stone, two intervals, was longer than a window; otherwise it may be a window away.
ComputerPace NewStonePace(Uint32 fallInterval)
{
    const Uint32 untilFall =
        fallInterval > FRAME_PERIOD_MS ? fallInterval + 1 - FRAME_PERIOD_MS : 0;
    return {fallInterval, untilFall,
            2 * Uint64(fallInterval) >= KEY_WINDOW_MS ? 0 : COMPUTER_WINDOW_MS};
}

Stone Spawned(int type)
{
    Stone stone = {{}, type, 1};  // a new stone's rotation counter is 1
    std::copy(STONE_SPAWN_TABLE[type], STONE_SPAWN_TABLE[type] + STONE_BLOCKS, stone.cells);
    return stone;
}

// Calls place(rest) for the rest of every placement the stone can walk to, fewest keys first.
template <class Place>
void ForEachPlacement(const Uint16* rows, const Stone& stone, const ComputerPace& pace, Place place)
{
    for (int turns = 0; turns < (stone.type == SQUARE ? 1 : STONE_TURNS); ++turns) {
        const int rotation = (stone.rotation + turns) % STONE_TURNS;
        for (int step = 0; step < 2 * FIELD_COLUMNS; ++step) {
            const int column = stone.cells[0].column + (step % 2 ? -(step + 1) / 2 : step / 2);
            Stone rest;
            if (column >= 0 && column < FIELD_COLUMNS &&
                Walk(rows, stone, rotation, column, pace, rest))
                place(rotation, column, rest);
        }
    }
}

// The best the next stone can make of the playfield; LOST when it cannot even appear.
double NextScore(const Uint16* rows, int next, Uint32 fallInterval, const ComputerWeights& w)
{
    const Stone stone = Spawned(next);
    if (!Fits(rows, stone.cells))
        return LOST;
    double best = LOST;
    ForEachPlacement(rows, stone, NewStonePace(fallInterval), [&](int, int, const Stone& rest) {
        Uint16 after[FIELD_ROWS];
        const double move = Settle(rows, rest, after, w);
        // Whatever comes after it needs the top rows free where stones appear.
        if (after[0] == 0 && !(after[1] & SPAWN_ZONE))
            best = std::max(best, move + FieldScore(after, w));
    });
    return best;
}

}  // namespace

ComputerView SeePlayfield(const TumbloEngine& playfield)
{
    ComputerView view = {};
    for (int row = 0; row < FIELD_ROWS; ++row)
        for (int column = 0; column < FIELD_COLUMNS; ++column)
            if (playfield.BlockAt(column, row))
                view.rows[row] |= Uint16(1u << column);
    for (int i = 0; i < STONE_BLOCKS; ++i) {
        view.stone[i] = playfield.StonePosition(i);
        view.rows[view.stone[i].row] &= Uint16(~(1u << view.stone[i].column));
    }
    view.type = playfield.CurrentType();
    view.rotation = playfield.RotationCounter();
    view.next = playfield.NextType();
    view.pace = {playfield.FallInterval(), 0, COMPUTER_WINDOW_MS};
    return view;
}

// Every reachable placement is weighed by the playfield it leaves; the few best are weighed again
// by the best the next stone can make of them, which is where most of the time goes.
ComputerMove ChooseMove(const ComputerView& view, const ComputerWeights& weights)
{
    struct Candidate {
        ComputerMove move;
        double moveScore, score;
        Uint16 after[FIELD_ROWS];
    };
    Candidate candidates[STONE_TURNS * FIELD_COLUMNS];
    int count = 0;
    Stone stone = {{}, view.type, view.rotation};
    std::copy(view.stone, view.stone + STONE_BLOCKS, stone.cells);
    ForEachPlacement(view.rows, stone, view.pace, [&](int rotation, int column, const Stone& rest) {
        Candidate& c = candidates[count++];
        c.move = {rotation, column, true};
        c.moveScore = Settle(view.rows, rest, c.after, weights);
        c.score = c.after[0] ? LOST : c.moveScore + FieldScore(c.after, weights);
    });
    if (count == 0)
        return {view.rotation, view.stone[0].column, false};
    Candidate* const end = candidates + count;
    Candidate* const looked = candidates + std::min(count, COMPUTER_LOOKAHEAD);
    // Stable, so that of equal placements the one with the fewest keys stays first.
    std::stable_sort(candidates, end,
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    for (Candidate* c = candidates; c != looked; ++c)
        if (c->score > LOST)
            c->score =
                c->moveScore + NextScore(c->after, view.next, view.pace.fallInterval, weights);
    return std::max_element(
               candidates, looked,
               [](const Candidate& a, const Candidate& b) { return a.score < b.score; })
        ->move;
}

// The computer sees a new stone in the frame after the one it appeared in, and a fall in the frame
// after the fall: the next row then falls an interval after that frame.
Uint32 ComputerPlayer::Keys(const TumbloEngine& playfield)
{
    const bool fresh = waited;
    waited = !(playfield.State() & STATE_STONE);
    if (waited) {
        planned = false;
        return 0;
    }
    ComputerView view = SeePlayfield(playfield);
    const Position pivot = view.stone[0];
    if (!planned) {
        if (fresh)
            view.pace = NewStonePace(view.pace.fallInterval);
        move = ChooseMove(view, weights);
        planned = true;
        plannedRow = pivot.row;
    } else if (pivot.row != plannedRow) {
        // The stone fell a row: when the walk can no longer arrive from here, choose anew.
        plannedRow = pivot.row;
        view.pace.untilFall = NewStonePace(view.pace.fallInterval).untilFall;
        Stone stone = {{}, view.type, view.rotation}, rest;
        std::copy(view.stone, view.stone + STONE_BLOCKS, stone.cells);
        if (move.found && !Walk(view.rows, stone, move.rotation, move.column, view.pace, rest))
            move = ChooseMove(view, weights);
    }
    if (!move.found)
        return 0;
    Uint32 keys = 0;
    if (pivot.column != move.column)
        keys |= pivot.column < move.column ? KEY_RIGHT : KEY_LEFT;
    if (view.rotation != move.rotation)
        keys |= KEY_ROTATE;
    return keys ? keys : KEY_DOWN;
}
