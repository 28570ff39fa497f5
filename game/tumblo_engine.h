// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_TUMBLO_ENGINE_H
#define KOLVO_GAME_TUMBLO_ENGINE_H

#include <SDL/SDL.h>

#include <memory>

class FrameLook;
class Sprite;
class SoundStream;

// The playfield: 11 columns (0 left) by 21 rows (0 top), stored column after column.
constexpr int FIELD_COLUMNS = 11;
constexpr int FIELD_ROWS = 21;
constexpr int FIELD_CELLS = FIELD_COLUMNS * FIELD_ROWS;
constexpr int CELL_SIZE = 22;  // pixels per cell on screen, across and down

// State bits. When STATE_GAME_OVER is set the state is exactly STATE_GAME_OVER.
constexpr Uint8 STATE_RUNNING = 2;
constexpr Uint8 STATE_GAME_OVER = 4;
constexpr Uint8 STATE_STONE = 8;  // a stone is falling
constexpr Uint8 STATE_FAST = 32;  // one accelerated fall step is pending

// Block flag: already handled by the shift pass that follows a cleared row.
constexpr Uint8 FLAG_SETTLED = 2;

// Key bits handed to Run: the keys held in this frame. Other bits are ignored.
constexpr Uint32 KEY_LEFT = 2;
constexpr Uint32 KEY_RIGHT = 4;
constexpr Uint32 KEY_ROTATE = 8;
constexpr Uint32 KEY_DOWN = 16;

constexpr Uint32 KEY_WINDOW_MS = 200;  // a held key acts at most once per window
constexpr int SPEED_MAX = 1000;        // speed 1000 is a fall interval of 0 ms
constexpr int POINTS_PER_ROW = 10;     // n rows at once score POINTS_PER_ROW x n x n

// Graphic slots: GRAPHIC_EMPTY draws empty cells, 0 and 1 the blocks of alternate stones.
constexpr int GRAPHIC_EMPTY = -1;
constexpr int GRAPHIC_SLOTS = 3;
// Sound slots.
constexpr int SOUND_STONE_DOWN = 0;
constexpr int SOUND_ROWS_CLEARED = 1;
constexpr int SOUND_SLOTS = 2;

// One settled or falling cell of a stone.
struct Block {
    Uint8 flags;    // FLAG_SETTLED or 0
    Uint8 graphic;  // graphic slot 0 or 1 that draws it
};
static_assert(sizeof(Block) == 2, "a block is two bytes");

// A cell (column, row), or an offset between two cells (right and down are positive).
struct Position {
    int column;
    int row;
};

constexpr int STONE_TYPES = 7;
constexpr int STONE_BLOCKS = 4;
constexpr int STONE_TURNS = 4;

// Where a new stone of each type puts its blocks, block 0 first. Block 0 is the pivot of turns.
// clang-format off
inline constexpr Position STONE_SPAWN_TABLE[STONE_TYPES][STONE_BLOCKS] = {
    {{4, 0}, {5, 0}, {4, 1}, {5, 1}},  // square
    {{4, 0}, {5, 0}, {6, 0}, {3, 0}},  // bar of four
    {{4, 0}, {5, 0}, {3, 0}, {3, 1}},  // three in a row, fourth below the left end
    {{4, 0}, {5, 0}, {3, 0}, {5, 1}},  // three in a row, fourth below the right end
    {{4, 0}, {3, 0}, {4, 1}, {5, 1}},  // two on top at left, two below shifted right
    {{4, 0}, {5, 0}, {3, 1}, {4, 1}},  // two on top at right, two below shifted left
    {{4, 0}, {5, 0}, {3, 0}, {4, 1}},  // three in a row, fourth below the middle
};
// clang-format on

// How a turn moves blocks 1 to 3, by type and by the rotation counter before the turn. Every entry
// of types 1 to 6 is a quarter turn clockwise on screen about block 0; the square never moves.
// clang-format off
inline constexpr Position STONE_ROTATION_TABLE[STONE_TYPES][STONE_TURNS][STONE_BLOCKS - 1] = {
    {{{0, 0}, {0, 0}, {0, 0}}, {{0, 0}, {0, 0}, {0, 0}}, {{0, 0}, {0, 0}, {0, 0}}, {{0, 0}, {0, 0}, {0, 0}}},
    {{{1, 1}, {2, 2}, {-1, -1}}, {{-1, 1}, {-2, 2}, {1, -1}}, {{-1, -1}, {-2, -2}, {1, 1}}, {{1, -1}, {2, -2}, {-1, 1}}},
    {{{1, 1}, {-1, -1}, {-2, 0}}, {{-1, 1}, {1, -1}, {0, -2}}, {{-1, -1}, {1, 1}, {2, 0}}, {{1, -1}, {-1, 1}, {0, 2}}},
    {{{1, 1}, {-1, -1}, {0, 2}}, {{-1, 1}, {1, -1}, {-2, 0}}, {{-1, -1}, {1, 1}, {0, -2}}, {{1, -1}, {-1, 1}, {2, 0}}},
    {{{-1, -1}, {-1, 1}, {0, 2}}, {{1, -1}, {-1, -1}, {-2, 0}}, {{1, 1}, {1, -1}, {0, -2}}, {{-1, 1}, {1, 1}, {2, 0}}},
    {{{1, 1}, {-2, 0}, {-1, 1}}, {{-1, 1}, {0, -2}, {-1, -1}}, {{-1, -1}, {2, 0}, {1, -1}}, {{1, -1}, {0, 2}, {1, 1}}},
    {{{1, 1}, {-1, -1}, {-1, 1}}, {{-1, 1}, {1, -1}, {-1, -1}}, {{-1, -1}, {1, 1}, {1, -1}}, {{1, -1}, {-1, 1}, {1, 1}}},
};
// clang-format on

// One playfield: the grid of blocks, the falling and the next stone, score, cleared rows and fall
// speed. It owns its blocks; the sprites and sound streams in its slots are only referred to and
// must outlive their use here. Times are milliseconds from Ticks().
class TumbloEngine {
public:
    TumbloEngine();
    ~TumbloEngine();  // Reset
    TumbloEngine(const TumbloEngine&) = delete;
    TumbloEngine& operator=(const TumbloEngine&) = delete;

    // Starts a game with the fall interval 1000 - speed ms. False, with nothing changed, while a
    // game runs; false after a reset when speed is above SPEED_MAX. Empties every slot.
    bool Init(int speed);
    // Frees every block and forgets the slots; back to idle. Positions, rotation counter, colour
    // counter and last lines keep their values.
    void Reset();

    bool SetSound(int slot, SoundStream* sound);  // false for a slot other than 0 or 1
    bool SetGraphic(int slot, Sprite* sprite);    // false for a slot other than -1, 0 or 1
    Sprite* GetGraphic(int slot) const;           // null for an empty or unknown slot

    // One step of the game with the keys held now. False when no game runs or this call ended it
    // (then IsGameOver is true until the next Init).
    bool Run(Uint32 keys);
    // For how many milliseconds from now Run would change nothing while the held keys stay as they
    // are: until the next key window opens or the stone next falls, or, between stones, until the
    // next one comes. 0 when the next Run has work (full rows to clear, a top-out to tell);
    // TICKS_QUIET_FOREVER (ticks.h) when no game runs.
    Uint32 QuietFor(Uint32 now) const;

    int GetScore() const { return score; }
    int GetLines() const { return lines; }
    int GetSpeed() const;
    // Only while a game runs and only for speeds up to SPEED_MAX; otherwise ignored.
    void SetSpeed(int speed);
    int GetLastPoints() const { return lastPoints; }  // scored by the latest Run call
    int GetLastLines() const { return lastLines; }    // rows cleared by the latest Run call
    bool IsGameOver() const { return (state & STATE_GAME_OVER) != 0; }

    // Draws every cell with its top-left corner at (x + CELL_SIZE x column, y + CELL_SIZE x row).
    // A cell whose slot is empty is not drawn. False as soon as one blit fails; what was drawn stays.
    bool Draw(int x, int y);
    // Draws the next stone in the picture it will get, its reference cell at (x, y). False when a
    // blit fails or the next type is unknown.
    bool DrawNext(int x, int y);
    // Adds to a frame's look what Draw, DrawNext and a sidebar show of this playfield: every cell,
    // the next stone and its picture, score and rows. The pictures in the slots are left out: they
    // are attached before a frame loop starts and stay until it ends.
    void AddLook(FrameLook& look) const;

    // Inspection for tests and tools, and for the computer player, which sees through them only
    // what a player sees: the cells, the falling stone and the next one in the side panel.
    const Block* BlockAt(int column, int row) const;  // null when empty or outside the grid
    Position StonePosition(int block) const { return positions[block]; }
    int RotationCounter() const { return rotation; }
    int CurrentType() const { return currentType; }
    int NextType() const { return nextType; }
    Uint8 State() const { return state; }
    Uint32 FallInterval() const { return fallInterval; }
    int SoundPlays(int slot) const { return soundPlays[slot]; }  // Play calls on an attached stream
    // Set-up hooks for tests: choose the next stone, and put a settled block (graphic 0 or 1) into
    // an empty cell (false when the cell is taken or outside).
    void SetNextType(int type) { nextType = type; }
    bool PlaceBlock(int column, int row, Uint8 graphic);

private:
    bool RunStonePhase(Uint32 keys);
    bool RunSettlePhase();
    void HandleKeys(Uint32 keys);
    void FallFast();
    void FallNormal();
    bool Shift(int columns, int rows);
    bool Turn();
    bool MoveStone(const Position offsets[STONE_BLOCKS]);
    void Land();
    int ClearFullRows();
    bool RowFull(int row) const;
    bool RowEmpty(int row) const;
    void ClearRow(int row);
    void ShiftPass();
    void Score(int rows);
    bool SpawnStone();
    void PlaySound(int slot);
    bool Occupied(Position cell) const;

    std::unique_ptr<Block> grid[FIELD_CELLS];  // slot column x FIELD_ROWS + row
    Position positions[STONE_BLOCKS];          // the cells of the falling stone
    int rotation;
    int currentType;
    int nextType;
    int score;
    int lines;
    Uint32 fallInterval;
    Uint8 state;
    Uint32 lastFallTime;
    Uint32 lastKeyTime;
    Uint8 colour;  // graphic of the stone spawned last
    int lastPoints;
    int lastLines;
    Sprite* graphics[GRAPHIC_SLOTS];  // slot -1 at index 0
    SoundStream* sounds[SOUND_SLOTS];
    int soundPlays[SOUND_SLOTS];
};

#endif
