// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Feeds the highscore reader arbitrary files, as a damaged or foreign "highscore.txt" would be.
// Whatever loads must then behave as a list: sorted, ranked, cut, and saved and read back whole.
#include "highscore/highscore_list.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

static const char FUZZ_FILE[] = "highscore.txt";

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char directory[] = "/tmp/kolvo-fuzz-XXXXXX";
    if (!mkdtemp(directory) || chdir(directory) != 0)
        abort();
    return 0;
}

static void Check(bool invariant)
{
    if (!invariant)
        abort();
}

static bool WriteBytes(const uint8_t* data, size_t size)
{
    FILE* file = fopen(FUZZ_FILE, "wb");
    if (!file)
        return false;
    bool written = fwrite(data, 1, size, file) == size;
    return fclose(file) == 0 && written;
}

static std::vector<HighscoreEntry> Entries(HighscoreList& list)
{
    std::vector<HighscoreEntry> entries;
    for (int i = 1; i <= list.Count(); ++i)
        entries.push_back(*list.GetEntry(i));
    return entries;
}

static void CheckSortedAndBounded(HighscoreList& list)
{
    Check(list.Count() <= HIGHSCORE_MAX_ENTRIES + 1);
    std::vector<HighscoreEntry> entries = Entries(list);
    for (size_t i = 0; i < entries.size(); ++i) {
        Check(strnlen(entries[i].name, sizeof entries[i].name) <= HIGHSCORE_NAME_SIZE);
        Check(i == 0 || entries[i - 1].points >= entries[i].points);
    }
    Check(list.GetEntry(0) == list.GetEntry(1));
    Check(list.GetEntry(list.Count() + 1) == nullptr);
}

// A new entry ranks ahead of every entry with the same points and lands where Position said.
static void CheckAdd(HighscoreList& list, int32_t points)
{
    HighscoreEntry added = {};
    snprintf(added.name, sizeof added.name, "fuzz");
    added.points = points;
    const int expected = list.Position(added);
    const int count = list.Count();
    Check(list.Add(added) == expected && list.Count() == count + 1);
    const HighscoreEntry* at = list.GetEntry(expected);
    Check(at && at->points == points && strcmp(at->name, "fuzz") == 0);
    Check(expected == 1 || list.GetEntry(expected - 1)->points > points);
}

// What a save-and-load gives back: the best entries with names cut to what the field stores, and
// equal points in reverse, because every record read goes to the head of the list.
static std::vector<HighscoreEntry> ExpectedAfterReload(std::vector<HighscoreEntry> entries)
{
    if (entries.size() > size_t(HIGHSCORE_MAX_ENTRIES))
        entries.resize(HIGHSCORE_MAX_ENTRIES);
    for (HighscoreEntry& entry : entries)
        entry.name[HIGHSCORE_NAME_MAX] = '\0';
    for (auto run = entries.begin(); run != entries.end();) {
        auto end = std::find_if(run, entries.end(),
                                [&](const HighscoreEntry& e) { return e.points != run->points; });
        std::reverse(run, end);
        run = end;
    }
    return entries;
}

static bool SameEntry(const HighscoreEntry& a, const HighscoreEntry& b)
{
    return strcmp(a.name, b.name) == 0 && a.points == b.points && a.level == b.level &&
           a.playTime == b.playTime && a.date == b.date;
}

static void CheckSaveRoundTrip(HighscoreList& list)
{
    const uint32_t created = list.Header()->created;
    const std::vector<HighscoreEntry> expected = ExpectedAfterReload(Entries(list));
    Check(list.Save(FUZZ_FILE, HIGHSCORE_KEY));
    HighscoreList reloaded;
    Check(reloaded.Load(FUZZ_FILE, HIGHSCORE_KEY));
    Check(reloaded.Header()->created == created);
    const std::vector<HighscoreEntry> got = Entries(reloaded);
    Check(got.size() == expected.size() &&
          std::equal(got.begin(), got.end(), expected.begin(), SameEntry));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!WriteBytes(data, size))
        abort();
    HighscoreList list;
    if (!list.Load(FUZZ_FILE, HIGHSCORE_KEY)) {
        Check(list.Count() == 0 && list.Header() == nullptr);  // a failed load leaves nothing
        return 0;
    }
    CheckSortedAndBounded(list);
    const HighscoreEntry* middle = list.GetEntry(list.Count() / 2 + 1);
    CheckAdd(list, middle ? middle->points : 0);
    CheckSortedAndBounded(list);
    CheckSaveRoundTrip(list);
    list.Truncate(HIGHSCORE_PLACES);
    Check(list.Count() <= HIGHSCORE_PLACES);
    CheckSortedAndBounded(list);
    return 0;
}
