// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_COMPUTER_PLAYER_H
#define KOLVO_GAME_COMPUTER_PLAYER_H

#include "game/tumblo_engine.h"

// How a stone moves, as a player who knows the rules can tell: a row every fallInterval (and a
// millisecond), the next row in untilFall milliseconds, the next key window in untilWindow.
struct ComputerPace {
    Uint32 fallInterval, untilFall, untilWindow;
};

// What a player sees of a playfield while a stone falls: the settled blocks, the falling stone and
// the stone the side panel shows next. Nothing else: not the stones after it, not the generator.
struct ComputerView {
    Uint16 rows[FIELD_ROWS];  // settled blocks, bit c for column c, row 0 on top
    Position stone[STONE_BLOCKS];
    int type;      // of the falling stone, as its shape tells
    int rotation;  // its rotation counter, as its orientation tells
    int next;      // the type shown in the panel
    ComputerPace pace;
};
// Only while a stone falls (STATE_STONE). Of the pace it assumes the worst: a row falls at once,
// the key window is a whole window away.
ComputerView SeePlayfield(const TumbloEngine& playfield);

// How the computer weighs the playfield that a placement leaves; each feature is counted as its
// comment says and multiplied by its weight, and the placement with the largest sum is taken.
struct ComputerWeights {
    double landingHeight;      // the stone's mean cell height above the floor, in rows
    double erodedCells;        // rows cleared x the stone's own cells in them
    double rowTransitions;     // filled-empty changes along each row, the walls filled
    double columnTransitions;  // filled-empty changes down each column, the floor filled
    double holes;              // empty cells with a block somewhere above them
    double wells;              // 1 + 2 + ... + depth for every well, a well being empty cells
                               // with filled cells (or a wall) on both sides
};
extern const ComputerWeights COMPUTER_WEIGHTS;  // the weights the game plays with

// Where the computer wants the falling stone: its rotation counter and the column of block 0 (the
// pivot), from where the stone then falls straight down. found is false when no placement can be
// reached at all; the stone is then left to fall.
struct ComputerMove {
    int rotation;
    int column;
    bool found;
};
// Weighs every placement the stone can reach from where it is, walking there by the key windows
// and the falls of its pace, and for each the best placement of the next stone after it.
ComputerMove ChooseMove(const ComputerView& view,
                        const ComputerWeights& weights = COMPUTER_WEIGHTS);

// The computer at one side of a game: a source of key bits beside the keyboard and the pads. Each
// frame it looks at its playfield and holds the keys that walk the falling stone to its chosen
// place: the turning key until the stone has the wanted rotation (a turn refused near the top is
// tried again in the next window), left or right until it stands in the wanted column, then down.
// The playfield takes these keys as any player's, once per key window.
class ComputerPlayer {
public:
    explicit ComputerPlayer(const ComputerWeights& weights = COMPUTER_WEIGHTS) : weights(weights) {}
    // The keys to hand the playfield this frame (KEY_ bits).
    Uint32 Keys(const TumbloEngine& playfield);
    // Chooses anew for the stone that falls now: after the side was handed over.
    void Forget() { planned = waited = false; }

private:
    ComputerWeights weights;
    ComputerMove move = {};
    bool planned = false;
    bool waited = true;  // the last frame had no stone falling
    int plannedRow = 0;  // block 0's row when the move was last found reachable
};

#endif
