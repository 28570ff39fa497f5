#include "highscore/highscore_list.h"

#include "tests/highscore/highscore_test_support.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <ctime>

static HighscoreEntry Entry(const char* name, int points)
{
    HighscoreEntry entry = {};
    snprintf(entry.name, sizeof entry.name, "%s", name);
    entry.points = points;
    return entry;
}

static std::string NamesInOrder(HighscoreList& list)
{
    std::string names;
    for (int i = 1; list.GetEntry(i); ++i)
        names += std::string(list.GetEntry(i)->name) + " ";
    return names;
}

TEST(HighscoreFile, AgreesWithAnIndependentReaderAndWriter)
{
    EnterFreshDirectory();
    // Equal points A, B in the file come back as B, A; the stray bytes behind are never read.
    RunFormatTool("encode highscore.txt 1000 2000 --trailing 7 A:50:2:65:11 B:50:3:59:12 C:70:4:61:13");
    HighscoreList list;
    ASSERT_TRUE(list.Load(HIGHSCORE_FILE, HighscoreKey));
    EXPECT_EQ(NamesInOrder(list), "C B A ");
    const HighscoreEntry* b = list.GetEntry(2);
    EXPECT_TRUE(b->level == 3 && b->playTime == 59 && b->date == 12u);

    const unsigned before = unsigned(time(nullptr));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HighscoreKey));
    unsigned created = 0, written = 0;
    const std::string decoded = RunFormatTool("decode highscore.txt");
    sscanf(decoded.c_str(), "header MossbrookHighscore 0 3 %u %u", &created, &written);
    EXPECT_EQ(created, 1000u) << "a save keeps the date the file was first written\n" << decoded;
    EXPECT_GE(written, before);
    EXPECT_NE(decoded.find("entry 70 4 61 13 C\nentry 50 3 59 12 B\nentry 50 2 65 11 A\n"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(HIGHSCORE_FILE).size(), 36u + 3 * 40);

    RunFormatTool("encode highscore.txt 1 2");
    EXPECT_TRUE(list.Load(HIGHSCORE_FILE, HighscoreKey)) << "no entries is still a good file";
    EXPECT_EQ(list.Count(), 0);
    HighscoreList fresh;  // never loaded: the file is created now
    fresh.Add(Entry("Ann", 30));
    ASSERT_TRUE(fresh.Save("one.txt", HighscoreKey));
    EXPECT_EQ(ReadWholeFile("one.txt").size(), 76u);
    sscanf(RunFormatTool("decode one.txt").c_str(), "header %*s %*u %*u %u %u", &created, &written);
    EXPECT_TRUE(created == written && unsigned(time(nullptr)) - created <= 2u) << created << " " << written;
}

TEST(HighscoreList, RanksANewEntryAheadOfItsEqualsAndCountsPastAByteWithoutWrapping)
{
    EnterFreshDirectory();
    HighscoreList list;
    EXPECT_EQ(list.Position(Entry("x", 10)), 1);
    EXPECT_EQ(list.GetEntry(0), nullptr);
    for (int i = 0; i < 10; ++i)
        list.Add(Entry("good", 100 + i));
    EXPECT_EQ(list.Position(Entry("x", 99)), 11);
    EXPECT_EQ(list.Add(Entry("new", 105)), 5);
    EXPECT_STREQ(list.GetEntry(5)->name, "new");
    EXPECT_EQ(list.GetEntry(0), list.GetEntry(1));
    EXPECT_EQ(list.GetEntry(12), nullptr);
    list.Add(Entry("low", 1));
    list.Truncate(10);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.GetEntry(10)->points, 101);

    // 300 results: a file holds the best 255, and rank 256 stays 256.
    for (int i = 0; i < 290; ++i)
        list.Add(Entry("many", 1000 + i));
    EXPECT_EQ(list.Count(), 300);
    EXPECT_EQ(list.Position(Entry("x", 1034)), 256);
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HighscoreKey));
    ASSERT_TRUE(list.Load(HIGHSCORE_FILE, HighscoreKey));
    EXPECT_EQ(list.Count(), 255);
    EXPECT_EQ(list.GetEntry(255)->points, 1035);
    EXPECT_EQ(list.Position(Entry("x", 1)), 256);
}

TEST(HighscoreFile, DamageFailsTheLoadAFailedSaveKeepsTheOldFileAndScramblingUndoesItself)
{
    EnterFreshDirectory();
    HighscoreList list;
    list.Add(Entry("Ann", 30));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HighscoreKey));
    const std::string old = ReadWholeFile(HIGHSCORE_FILE);
    list.Add(Entry("Bob", 40));
    SetHighscoreWriteHook([](int record) { return record < 1; });
    EXPECT_FALSE(list.Save(HIGHSCORE_FILE, HighscoreKey));
    SetHighscoreWriteHook(nullptr);
    EXPECT_EQ(ReadWholeFile(HIGHSCORE_FILE), old);
    EXPECT_EQ(ReadWholeFile("highscore.txt.tmp"), "") << "nothing half-written is left behind";

    std::string badGuard = old, badMagic = old;
    badGuard[20] ^= 1;
    badMagic[0] ^= 1;
    for (const std::string& bytes : {old.substr(0, 35), badGuard, badMagic, old.substr(0, 36 + 39)}) {
        list.Add(Entry("kept?", 1));
        WriteTextFile(HIGHSCORE_FILE, bytes);
        EXPECT_FALSE(list.Load(HIGHSCORE_FILE, HighscoreKey));
        EXPECT_TRUE(list.Count() == 0 && list.Header() == nullptr);
    }

    unsigned char clear[40], scrambled[40], back[40];
    for (int i = 0; i < 40; ++i)
        clear[i] = static_cast<unsigned char>(i * 7);
    ASSERT_TRUE(CryptBlock(scrambled, clear, 40, HighscoreKey) && CryptBlock(back, scrambled, 40, HighscoreKey));
    EXPECT_EQ(memcmp(back, clear, 40), 0);
    EXPECT_EQ(scrambled[37], clear[37]) << "the key's zero is part of the stream";
}
