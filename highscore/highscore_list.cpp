// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/highscore_list.h"

#include "core/kept_files_edge.h"
#include "core/owned_handles.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

const char HIGHSCORE_KEY[] = "pLmKrTwqZuoVbXhaEyNcsDgiFjWtQeRyUoPaS";
static_assert(sizeof HIGHSCORE_KEY == 38, "37 key letters and the zero that ends the key stream");

// A save is written under this name beside the list and renamed over it when complete.
static const char HIGHSCORE_TEMP_SUFFIX[] = ".tmp";

// Field offsets inside the unscrambled records.
enum : size_t {
    HEADER_MAGIC = 0,
    HEADER_GUARD = 20,
    HEADER_COUNT = 24,
    HEADER_CREATED = 28,
    HEADER_WRITTEN = 32,
    ENTRY_NAME = 0,
    ENTRY_POINTS = 20,
    ENTRY_LEVEL = 24,
    ENTRY_PLAY_TIME = 28,
    ENTRY_DATE = 32,  // bytes 36 to 39 held a link in memory once; they mean nothing in the file
};
static_assert(HEADER_WRITTEN + 4 == HIGHSCORE_HEADER_SIZE, "the header ends with its written date");
static_assert(ENTRY_DATE + 8 == HIGHSCORE_ENTRY_SIZE, "the entry ends with its date and link word");

using HeaderRecord = uint8_t[HIGHSCORE_HEADER_SIZE];
using EntryRecord = uint8_t[HIGHSCORE_ENTRY_SIZE];

static HighscoreWriteHook writeHook;

void SetHighscoreWriteHook(HighscoreWriteHook hook)
{
    writeHook = std::move(hook);
}

bool CryptBlock(void* destination, const void* source, size_t length, const char* key)
{
    if (!destination || !source || !key)
        return false;
    const size_t keyLength = strlen(key);
    auto* out = static_cast<uint8_t*>(destination);
    const auto* in = static_cast<const uint8_t*>(source);
    size_t j = 0;
    for (size_t i = 0; i < length; ++i) {
        if (j > keyLength)
            j = 0;
        out[i] = in[i] ^ static_cast<uint8_t>(key[j]);  // key[keyLength] is the zero
        ++j;
    }
    return true;
}

static void PutU32(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

static uint32_t GetU32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

static void PackHeader(const HighscoreHeader& header, HeaderRecord record)
{
    memset(record, 0, HIGHSCORE_HEADER_SIZE);
    memcpy(record + HEADER_MAGIC, header.magic, sizeof header.magic);
    record[HEADER_GUARD] = header.guard;
    PutU32(record + HEADER_COUNT, header.count);
    PutU32(record + HEADER_CREATED, header.created);
    PutU32(record + HEADER_WRITTEN, header.written);
}

static HighscoreHeader UnpackHeader(const HeaderRecord record)
{
    HighscoreHeader header = {};
    memcpy(header.magic, record + HEADER_MAGIC, sizeof header.magic);
    header.guard = record[HEADER_GUARD];
    header.count = GetU32(record + HEADER_COUNT);
    header.created = GetU32(record + HEADER_CREATED);
    header.written = GetU32(record + HEADER_WRITTEN);
    return header;
}

// The stored name keeps its zero inside the field: at most 19 characters are written.
static void PackEntry(const HighscoreEntry& entry, EntryRecord record)
{
    memset(record, 0, HIGHSCORE_ENTRY_SIZE);
    memcpy(record + ENTRY_NAME, entry.name, strnlen(entry.name, HIGHSCORE_NAME_MAX));
    PutU32(record + ENTRY_POINTS, static_cast<uint32_t>(entry.points));
    PutU32(record + ENTRY_LEVEL, static_cast<uint32_t>(entry.level));
    PutU32(record + ENTRY_PLAY_TIME, static_cast<uint32_t>(entry.playTime));
    PutU32(record + ENTRY_DATE, entry.date);
}

// A name field without a zero is read as its 20 bytes, never further.
static HighscoreEntry UnpackEntry(const EntryRecord record)
{
    HighscoreEntry entry = {};
    const char* name = reinterpret_cast<const char*>(record + ENTRY_NAME);
    memcpy(entry.name, name, strnlen(name, HIGHSCORE_NAME_SIZE));
    entry.points = static_cast<int32_t>(GetU32(record + ENTRY_POINTS));
    entry.level = static_cast<int32_t>(GetU32(record + ENTRY_LEVEL));
    entry.playTime = static_cast<int32_t>(GetU32(record + ENTRY_PLAY_TIME));
    entry.date = GetU32(record + ENTRY_DATE);
    return entry;
}

static long FileSize(FILE* file)
{
    if (fseek(file, 0, SEEK_END) != 0)
        return -1;
    long size = ftell(file);
    return fseek(file, 0, SEEK_SET) == 0 ? size : -1;
}

static bool ReadRecord(FILE* file, uint8_t* record, size_t size, const char* key)
{
    return fread(record, 1, size, file) == size && CryptBlock(record, record, size, key);
}

static bool HeaderIsSound(const HighscoreHeader& header, long fileSize)
{
    if (header.guard != 0 || memcmp(header.magic, HIGHSCORE_MAGIC, sizeof HIGHSCORE_MAGIC) != 0)
        return false;
    if (header.count > HIGHSCORE_MAX_ENTRIES)
        return false;
    // Records the count promises but the file cannot hold are missing records: refuse before
    // allocating anything for them.
    const long room = (fileSize - long(HIGHSCORE_HEADER_SIZE)) / long(HIGHSCORE_ENTRY_SIZE);
    return long(header.count) <= room;
}

bool HighscoreList::Load(const char* path, const char* key)
{
    if (!path || !key)
        return false;
    Clear();
    OwnedFile file(fopen(path, "rb"));
    if (!file)
        return false;
    const long fileSize = FileSize(file.get());
    HeaderRecord headerRecord;
    if (!ReadRecord(file.get(), headerRecord, sizeof headerRecord, key))
        return false;
    const HighscoreHeader read = UnpackHeader(headerRecord);
    if (!HeaderIsSound(read, fileSize))
        return false;
    entries.reserve(read.count);
    for (uint32_t i = 0; i < read.count; ++i) {
        EntryRecord record;
        if (!ReadRecord(file.get(), record, sizeof record, key)) {
            Clear();
            return false;
        }
        entries.push_back(UnpackEntry(record));
    }
    // Each record read goes to the head of the list: the file order reversed, before the sort.
    std::reverse(entries.begin(), entries.end());
    header = std::make_unique<HighscoreHeader>(read);
    Sort();
    return true;
}

static bool WriteRecord(FILE* file, int index, const uint8_t* record, size_t size, const char* key)
{
    uint8_t scrambled[HIGHSCORE_ENTRY_SIZE];
    static_assert(sizeof scrambled >= HIGHSCORE_HEADER_SIZE, "one buffer serves both records");
    if (writeHook && !writeHook(index))
        return false;
    return CryptBlock(scrambled, record, size, key) && fwrite(scrambled, 1, size, file) == size;
}

// Writes the header and the best entries, and makes sure they reached the disk.
bool HighscoreList::WriteFile(const char* path, const char* key)
{
    OwnedFile file(fopen(path, "wb"));
    if (!file)
        return false;
    HeaderRecord headerRecord;
    PackHeader(*header, headerRecord);
    if (!WriteRecord(file.get(), 0, headerRecord, sizeof headerRecord, key))
        return false;
    for (uint32_t i = 0; i < header->count; ++i) {
        EntryRecord record;
        PackEntry(entries[i], record);
        if (!WriteRecord(file.get(), int(i) + 1, record, sizeof record, key))
            return false;
    }
    if (fflush(file.get()) != 0 || fsync(fileno(file.get())) != 0)
        return false;
    return fclose(file.release()) == 0;
}

bool HighscoreList::Save(const char* path, const char* key)
{
    if (!path || !key)
        return false;
    const uint32_t now = static_cast<uint32_t>(time(nullptr));
    if (!header) {
        header = std::make_unique<HighscoreHeader>();
        header->created = now;
    }
    memset(header->magic, 0, sizeof header->magic);
    memcpy(header->magic, HIGHSCORE_MAGIC, sizeof HIGHSCORE_MAGIC);
    header->guard = 0;
    header->count = static_cast<uint32_t>(std::min(Count(), HIGHSCORE_MAX_ENTRIES));
    header->written = now;
    Sort();

    const std::string temporary = std::string(path) + HIGHSCORE_TEMP_SUFFIX;
    if (!WriteFile(temporary.c_str(), key) || rename(temporary.c_str(), path) != 0) {
        remove(temporary.c_str());
        return false;
    }
    KeepFiles();
    return true;
}

int HighscoreList::Add(const HighscoreEntry& entry)
{
    const int position = Position(entry);
    HighscoreEntry copy = entry;
    copy.name[HIGHSCORE_NAME_SIZE] = '\0';
    entries.insert(entries.begin(), copy);
    Sort();
    return position;
}

int HighscoreList::Position(const HighscoreEntry& entry)
{
    Sort();
    int better = 0;
    while (better < Count() && entries[better].points > entry.points)
        ++better;
    return better + 1;
}

int HighscoreList::Count() const
{
    return static_cast<int>(entries.size());
}

void HighscoreList::Truncate(int n)
{
    Sort();
    if (Count() > n)
        entries.resize(static_cast<size_t>(std::max(n, 0)));
}

const HighscoreEntry* HighscoreList::GetEntry(int index)
{
    Sort();
    const int at = std::max(index, 1) - 1;
    return at < Count() ? &entries[at] : nullptr;
}

// Stable, so equal points keep their order, as the exchange sort of neighbours always did.
void HighscoreList::Sort()
{
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const HighscoreEntry& a, const HighscoreEntry& b) { return a.points > b.points; });
}

void HighscoreList::Clear()
{
    header.reset();
    entries.clear();
}
