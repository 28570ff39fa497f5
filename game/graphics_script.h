// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_GRAPHICS_SCRIPT_H
#define KOLVO_GAME_GRAPHICS_SCRIPT_H

#include "game/tumblo_engine.h"
#include "media/sprite.h"

// A graphics script names the picture of each graphic slot of a playfield. After the header line
// come records of three tokens separated by white space, usually one per line:
//     MBKLoadGraphicsScriptFile
//     SetGraphic -1 data/grafik/empty.bmp
// The slot is an integer in C's %i form (decimal, 0x hexadecimal, leading-0 octal). A record whose
// slot lies outside -1..1 is skipped; a line whose first token is not "SetGraphic" (a comment) is
// skipped alone.
// Kept on purpose: every graphics script written so far starts with this line.
constexpr char GRAPHICS_SCRIPT_HEADER[] = "MBKLoadGraphicsScriptFile\n";
constexpr char GRAPHICS_SCRIPT_SET_GRAPHIC[] = "SetGraphic";
// The header line, every token and every file name fit in this many bytes with their terminator;
// anything longer fails the load.
constexpr int GRAPHICS_SCRIPT_TEXT_SIZE = 100;

// The pictures of a playfield's graphic slots -1, 0 and 1, owned here. A game mode keeps one set
// and lends it to its playfields, which only refer to the pictures: declared before them, the
// set outlives them.
class PlayfieldPictures {
public:
    // Loads the picture keyed with magenta into an empty slot. False when it does not load (the
    // sprite logs why) or the slot already holds one; the picture is tried either way.
    bool Load(int slot, const char* path);
    // The picture of a slot; null for an empty or unknown slot.
    Sprite* Get(int slot);
    // Puts each slot's picture, or nothing, into the same slot of the playfield, after its Init.
    void LendTo(TumbloEngine& playfield);
    // Frees every picture; a playfield lent them must not draw until its Reset or a new loan.
    void Unload();

private:
    Sprite sprites[GRAPHIC_SLOTS];  // slot -1 at index 0
};

// Loads each picture the script names into its slot of the pictures. False for a missing file, a
// wrong header (printed to standard output), an over-long header, token or file name, a picture
// that does not load and a slot named twice. Pictures loaded before a failure stay loaded.
bool LoadGraphicsScriptFile(const char* path, PlayfieldPictures& pictures);

#endif
