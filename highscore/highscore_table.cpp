// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/highscore_table.h"

#include "core/engine.h"
#include "core/kept_files_edge.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// The qualification probe's name; it is never stored.
static const char HIGHSCORE_PROBE_NAME[] = "testuser";
// A list that cannot be read counts as no list, but its bytes may still hold results worth
// recovering by hand: before the first save over it, it is copied beside it under this name, the
// path followed by ".damaged-" and the local date and time ("-2", "-3"... when that is taken).
static const char HIGHSCORE_DAMAGED_INFIX[] = ".damaged-";
constexpr int HIGHSCORE_DAMAGED_NAMES = 100;  // copies kept within one second, at most

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
    if (list.Load(HIGHSCORE_FILE, HIGHSCORE_KEY))
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

static bool CopyBytes(int from, int to)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got == 0)
            return fsync(to) == 0;
        if (got < 0 || write(to, buffer, size_t(got)) != got)
            return false;
    }
}

// Copies the file's exact bytes to a new file beside it, never over an existing one. The name of
// the copy, or an empty text when none could be made (and nothing is left of a partial one).
static std::string KeepDamagedFile(const char* path)
{
    const time_t now = time(nullptr);
    struct tm local = {};
    char stamp[32];
    strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", localtime_r(&now, &local));
    const std::string first = std::string(path) + HIGHSCORE_DAMAGED_INFIX + stamp;
    std::string kept;
    int to = -1;
    for (int attempt = 1; to < 0 && attempt <= HIGHSCORE_DAMAGED_NAMES; ++attempt) {
        kept = attempt == 1 ? first : first + "-" + std::to_string(attempt);
        to = open(kept.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (to < 0 && errno != EEXIST)
            break;
    }
    if (to < 0)
        return "";
    const int from = open(path, O_RDONLY);
    bool copied = from >= 0 && CopyBytes(from, to);
    if (from >= 0)
        close(from);
    copied = close(to) == 0 && copied;
    if (copied)
        return kept;
    unlink(kept.c_str());
    return "";
}

bool EnterHighscore(const char* name, int32_t points, int32_t level, int32_t seconds)
{
    // The list is read as kept now and written back with no other run adding its result between.
    KeptUpdate update;
    HighscoreList list;
    const bool loaded = list.Load(HIGHSCORE_FILE, HIGHSCORE_KEY);
    gEngine.Log(2, loaded ? "Load Highscore done!" : "Load Highscore failed!");
    if (list.Add(MakeHighscoreEntry(name, points, level, seconds)) > HIGHSCORE_PLACES)
        return Fail("User didn't reach highscore!");
    // A file that is there but could not be read is kept first. Where it cannot be kept, it is not
    // written over either: the one new result is lost rather than every result the file may hold.
    std::string kept;
    if (!loaded && access(HIGHSCORE_FILE, F_OK) == 0) {
        kept = KeepDamagedFile(HIGHSCORE_FILE);
        if (kept.empty()) {
            gEngine.Log(2, "Couldn't keep the damaged %s aside, so it stays as it is",
                        HIGHSCORE_FILE);
            return Fail("Write to Highscore file failed!");
        }
    }
    const bool saved = list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY);
    if (!saved && !kept.empty())
        unlink(kept.c_str());  // a failed save leaves the damaged file itself in place
    // A list written but not kept (a browser whose storage fails) is gone at the next visit.
    if (!saved || !update.KeepFiles()) {
        return Fail("Write to Highscore file failed!");
    }
    if (!kept.empty())
        gEngine.Log(2, "Kept the damaged highscore list as %s", kept.c_str());
    gEngine.Log(2, "User reached highscore!");
    return true;
}
