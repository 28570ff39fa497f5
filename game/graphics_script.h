// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_GRAPHICS_SCRIPT_H
#define KOLVO_GAME_GRAPHICS_SCRIPT_H

class TumbloEngine;

// A graphics script names the picture of each graphic slot of a playfield. After the header line
// come records of three tokens separated by white space, usually one per line:
//     MBKLoadGraphicsScriptFile
//     SetGraphic -1 data/grafik/empty.bmp
// The slot is an integer in C's %i form (decimal, 0x hexadecimal, leading-0 octal). A record whose
// slot lies outside -1..1 is skipped; a line whose first token is not "SetGraphic" (a comment) is
// skipped alone.
constexpr char GRAPHICS_SCRIPT_HEADER[] = "MBKLoadGraphicsScriptFile\n";
constexpr char GRAPHICS_SCRIPT_SET_GRAPHIC[] = "SetGraphic";
// The header line, every token and every file name fit in this many bytes with their terminator;
// anything longer fails the load.
constexpr int GRAPHICS_SCRIPT_TEXT_SIZE = 100;

// Loads each named picture, keyed with magenta, into a new sprite and attaches it to its slot of
// the engine, which must have been through Init. The sprites belong to the loader until
// UnloadGraphics frees them; the engine and any engine given them later only refer to them.
// False for a null engine, a missing file, a wrong header (printed to standard output), an
// over-long header, token or file name, a picture that does not load (logged by the sprite) and
// a slot named twice. Sprites attached before a failure stay attached for UnloadGraphics.
bool LoadGraphicsScriptFile(const char* path, TumbloEngine* engine);

// Frees the sprites in slots -1, 0 and 1 of the engine and empties those slots. Call it once, on
// the engine the script was loaded into, before that engine's Reset. A null engine does nothing.
void UnloadGraphics(TumbloEngine* engine);

#endif
