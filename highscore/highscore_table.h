// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_HIGHSCORE_HIGHSCORE_TABLE_H
#define KOLVO_HIGHSCORE_HIGHSCORE_TABLE_H

#include "highscore/highscore_list.h"

#include <cstdint>

// A result is its points, the level reached and the play time in whole seconds; the end of a game
// passes the same three to both operations below. Both read HIGHSCORE_FILE afresh and keep nothing.

// An entry dated now, linked to no list. A name longer than the stored field is cut to fit.
HighscoreEntry MakeHighscoreEntry(const char* name, int32_t points, int32_t level, int32_t seconds);

// True when the result would take one of the first HIGHSCORE_PLACES positions of the stored list;
// never for fewer than 1 point. Never writes the file.
bool ReachesHighscore(int32_t points, int32_t level, int32_t seconds);

// Adds the named result to the stored list and rewrites the file with every entry it may hold.
// True when the result took one of the first HIGHSCORE_PLACES positions and the file was written
// and kept (kept_files_edge.h: read and written in one update of the kept files, so a result another run
// stored meanwhile stays); false leaves the file as it was, or written but not kept. A file that is there but cannot be read is copied beside it, byte
// for byte, before it is written over; where no copy can be made, the result is not saved.
bool EnterHighscore(const char* name, int32_t points, int32_t level, int32_t seconds);

#endif
