// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/highscore_table.h"

#include "core/engine.h"

#include <cstring>
#include <ctime>

// The qualification probe's name; it is never stored.
static const char HIGHSCORE_PROBE_NAME[] = "testuser";

HighscoreEntry MakeHighscoreEntry(const char* name, int32_t points, int32_t level, int32_t seconds)
{
    HighscoreEntry entry = {};
    if (name)
        memcpy(entry.name, name, strnlen(name, HIGHSCORE_NAME_MAX));
    entry.points = points;
    entry.level = level;
    entry.playTime = seconds;
    entry.date = static_cast<uint32_t>(time(nullptr));
    return entry;
}

bool ReachesHighscore(int32_t points, int32_t level, int32_t seconds)
{
    HighscoreList list;
    // Kept on purpose: the misspelt success line this check has always written; log readers know it.
    if (list.Load(HIGHSCORE_FILE, HighscoreKey))
        gEngine.Log(2, "Load Highsore done!");
    else
        gEngine.Log(2, "Load Highscore failed!");
    if (points < 1)
        return false;
    if (list.Add(MakeHighscoreEntry(HIGHSCORE_PROBE_NAME, points, level, seconds)) <=
        HIGHSCORE_PLACES)
        return true;
    gEngine.Log(2, "User didn't reach highscore!");
    return false;
}

bool EnterHighscore(const char* name, int32_t points, int32_t level, int32_t seconds)
{
    HighscoreList list;
    if (list.Load(HIGHSCORE_FILE, HighscoreKey))
        gEngine.Log(2, "Load Highscore done!");
    else
        gEngine.Log(2, "Load Highscore failed!");
    if (list.Add(MakeHighscoreEntry(name, points, level, seconds)) > HIGHSCORE_PLACES) {
        gEngine.Log(2, "User didn't reach highscore!");
        return false;
    }
    if (!list.Save(HIGHSCORE_FILE, HighscoreKey)) {
        gEngine.Log(2, "Write to Highscore file failed!");
        return false;
    }
    gEngine.Log(2, "User reached highscore!");
    return true;
}
