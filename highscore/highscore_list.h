// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_HIGHSCORE_HIGHSCORE_LIST_H
#define KOLVO_HIGHSCORE_HIGHSCORE_LIST_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The stored results live in one binary file: a 36-byte header record, then one 40-byte record per
// entry, best first. Every integer is little-endian and every record is scrambled on its own with
// CryptBlock, the key position starting at 0 for each record.
constexpr char HIGHSCORE_FILE[] = "highscore.txt";
constexpr char HIGHSCORE_MAGIC[] = "MossbrookHighscore";
constexpr size_t HIGHSCORE_HEADER_SIZE = 36;
constexpr size_t HIGHSCORE_ENTRY_SIZE = 40;
constexpr size_t HIGHSCORE_NAME_SIZE = 20;  // the name field in a record, in bytes
constexpr size_t HIGHSCORE_NAME_MAX = HIGHSCORE_NAME_SIZE - 1;  // what we store: a zero always fits
// Kept on purpose: older readers read the stored count as one byte, so no file ever holds more
// records.
constexpr int HIGHSCORE_MAX_ENTRIES = 255;
// The positions that count as a highscore, and the rows the highscore screen shows.
constexpr int HIGHSCORE_PLACES = 10;

static_assert(sizeof HIGHSCORE_MAGIC == 19, "the magic and its zero fit the 20-byte field");

// The constant key text that scrambles the file; every reader and writer passes this one.
extern const char HIGHSCORE_KEY[];

// One result. In memory the name is always zero-terminated; it holds up to 20 characters, because
// a file from elsewhere may fill the whole field without a zero.
struct HighscoreEntry {
    char name[HIGHSCORE_NAME_SIZE + 1];
    int32_t points;
    int32_t level;
    int32_t playTime;  // seconds
    uint32_t date;     // seconds since 1970-01-01 UTC
};

// The file's head record, unscrambled.
struct HighscoreHeader {
    char magic[HIGHSCORE_NAME_SIZE];
    uint8_t guard;     // always 0
    uint32_t count;    // entry records that follow
    uint32_t created;  // seconds since 1970-01-01 UTC of the first write
    uint32_t written;  // seconds since 1970-01-01 UTC of the latest write
};

// Scrambles (or unscrambles: it is its own inverse) length bytes of source into destination with
// the key text, whose terminating zero is part of the key stream (period: key length + 1). The two
// buffers may be the same. False, writing nothing, when a buffer or the key is missing.
bool CryptBlock(void* destination, const void* source, size_t length, const char* key);

// Tests make a save fail half-way through this seam: the hook is asked before each record is
// written (0 for the header, k for the k-th entry) and a false answer fails that write.
using HighscoreWriteHook = std::function<bool(int record)>;
void SetHighscoreWriteHook(HighscoreWriteHook hook);  // an empty hook removes it

// The in-memory list: an optional header (after a load or a save) and the entries. After any
// operation that sorts, the entries stand by points, highest first, equal points in the order
// they had before. The entries are kept in a vector whose order is the order of the list; a record
// that a load "puts at the head" lands in front of those read before it, exactly as in a chain.
class HighscoreList {
public:
    // Replaces the contents with the file's. False, leaving the list empty, when the file is
    // missing, short, has a wrong guard, magic or a count above HIGHSCORE_MAX_ENTRIES, or holds
    // fewer records than its count. Equal points end up in the reverse of their file order.
    bool Load(const char* path, const char* key);
    // Writes the best HIGHSCORE_MAX_ENTRIES entries beside path and renames the result over it
    // once it is complete, so a failure at any point leaves the old file as it was. Keeps the
    // created date of a loaded header; sets the written date to now.
    bool Save(const char* path, const char* key);

    // Inserts a copy and returns the 1-based position it took: ahead of equal points.
    int Add(const HighscoreEntry& entry);
    // The 1-based position the entry would take, without inserting it. Never wraps.
    int Position(const HighscoreEntry& entry);
    int Count() const;
    // Keeps the n best entries.
    void Truncate(int n);
    // The entry at 1-based position index (0 gives the first as well); nullptr past the end. The
    // entry stays valid until the list next changes.
    const HighscoreEntry* GetEntry(int index);
    void Sort();
    void Clear();

    const HighscoreHeader* Header() const { return header.get(); }

private:
    bool WriteFile(const char* path, const char* key);

    std::unique_ptr<HighscoreHeader> header;
    std::vector<HighscoreEntry> entries;
};

#endif
