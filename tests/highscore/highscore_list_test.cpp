// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The list of results, its file, and the rules by which a result enters it.
#include "highscore/highscore_list.h"
#include "highscore/highscore_table.h"

#include "tests/highscore/highscore_test_support.h"
#include "tests/support/log_sink.h"

#include <csignal>
#include <ctime>
#include <sys/resource.h>

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
    // Equal points A, B in the file come back as B, A; the stray bytes behind are never read. A
    // name that fills its field without a zero is read whole, and saved with its zero.
    const std::string full = "Twentycharacterlongs";
    RunFormatTool(
        "encode highscore.txt 1000 2000 --trailing 7 A:50:2:65:11 B:50:3:59:12 C:70:4:61:13 " +
        full + ":40:1:10:14");
    HighscoreList list;
    ASSERT_TRUE(list.Load(HIGHSCORE_FILE, HighscoreKey));
    EXPECT_EQ(NamesInOrder(list), "C B A " + full + " ");
    const HighscoreEntry* b = list.GetEntry(2);
    EXPECT_TRUE(b->level == 3 && b->playTime == 59 && b->date == 12u);

    const unsigned before = unsigned(time(nullptr));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HighscoreKey));
    unsigned created = 0, written = 0;
    const std::string decoded = RunFormatTool("decode highscore.txt");
    sscanf(decoded.c_str(), "header MossbrookHighscore 0 4 %u %u", &created, &written);
    EXPECT_EQ(created, 1000u) << "a save keeps the date the file was first written\n" << decoded;
    EXPECT_GE(written, before);
    EXPECT_NE(decoded.find(
                  "entry 70 4 61 13 C\nentry 50 3 59 12 B\nentry 50 2 65 11 A\nentry 40 1 10 14 " +
                  full.substr(0, 19) + "\n"),
              std::string::npos)
        << decoded;
    EXPECT_EQ(ReadWholeFile(HIGHSCORE_FILE).size(), 36u + 4 * 40);

    RunFormatTool("encode highscore.txt 1 2");
    EXPECT_TRUE(list.Load(HIGHSCORE_FILE, HighscoreKey)) << "no entries is still a good file";
    EXPECT_EQ(list.Count(), 0);
    HighscoreList fresh;  // never loaded: the file is created now
    fresh.Add(Entry("Ann", 30));
    ASSERT_TRUE(fresh.Save("one.txt", HighscoreKey));
    EXPECT_EQ(ReadWholeFile("one.txt").size(), 76u);
    sscanf(RunFormatTool("decode one.txt").c_str(), "header %*s %*u %*u %u %u", &created, &written);
    EXPECT_TRUE(created == written && unsigned(time(nullptr)) - created <= 2u)
        << created << " " << written;
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

    // However many share their points, the newest stands first.
    HighscoreList ties;
    std::string added;
    for (int i = 0; i < 40; ++i)
        ties.Add(Entry(std::to_string(i).c_str(), 7)), added = std::to_string(i) + " " + added;
    EXPECT_EQ(NamesInOrder(ties), added);
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
    for (const std::string& bytes :
         {old.substr(0, 35), badGuard, badMagic, old.substr(0, 36 + 39)}) {
        list.Add(Entry("kept?", 1));
        WriteTextFile(HIGHSCORE_FILE, bytes);
        EXPECT_FALSE(list.Load(HIGHSCORE_FILE, HighscoreKey));
        EXPECT_TRUE(list.Count() == 0 && list.Header() == nullptr);
    }

    unsigned char clear[40], scrambled[40], back[40];
    for (int i = 0; i < 40; ++i)
        clear[i] = static_cast<unsigned char>(i * 7);
    ASSERT_TRUE(CryptBlock(scrambled, clear, 40, HighscoreKey) &&
                CryptBlock(back, scrambled, 40, HighscoreKey));
    EXPECT_EQ(memcmp(back, clear, 40), 0);
    EXPECT_EQ(scrambled[37], clear[37]) << "the key's zero is part of the stream";
}

TEST(HighscoreTable, FirstResultStartsTheFileAndNothingBelowOnePointQualifies)
{
    EnterFreshDirectory();
    EXPECT_FALSE(ReachesHighscore(0, 1, 30));
    EXPECT_TRUE(ReachesHighscore(1, 1, 30));
    ASSERT_TRUE(EnterHighscore("Ann", 1, 1, 30));
    EXPECT_NE(RunFormatTool("decode highscore.txt").find("entry 1 1 30 "), std::string::npos);
}

// A list that cannot be read (its count promises two records, one and a half follow) counts as no
// list, but a save never writes over it before its bytes are kept beside it, under a new name each
// time; where no copy can be made (here, no file may grow past 1000 bytes), nothing is written.
TEST(HighscoreTable, ADamagedListIsKeptAsideBeforeASaveWritesOverIt)
{
    EnterFreshDirectory();
    RunFormatTool("encode highscore.txt 1 2 A:50:2:65:11 B:40:3:59:12");
    const std::string damaged = ReadWholeFile(HIGHSCORE_FILE).substr(0, 36 + 60);
    LogSink log;
    for (const char* name : {"Ann", "Bob"}) {
        WriteTextFile(HIGHSCORE_FILE, damaged);
        ASSERT_TRUE(EnterHighscore(name, 30, 1, 60));
        EXPECT_EQ(RunFormatTool("decode highscore.txt").rfind("header MossbrookHighscore 0 1 ", 0),
                  0u);
    }
    ASSERT_TRUE(EnterHighscore("Cid", 20, 1, 60));  // over a good file: nothing more is kept

    WriteTextFile(HIGHSCORE_FILE, std::string(4000, 'x'));
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small = {1000, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(EnterHighscore("Dan", 30, 1, 60));
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(ReadWholeFile(HIGHSCORE_FILE), std::string(4000, 'x'));

    int kept = 0;
    for (const auto& file : std::filesystem::directory_iterator(".")) {
        const std::string name = file.path().filename();
        if (name.rfind("highscore.txt.damaged-", 0) != 0)
            continue;
        ++kept;
        EXPECT_EQ(ReadWholeFile(name), damaged);
        EXPECT_EQ(log.Count("Kept the damaged highscore list as " + name), 1) << log.All();
    }
    EXPECT_EQ(kept, 2) << "one copy for each save over the damaged list, none for a failed copy";
}

// Ten stored results of 100 to 1000 points: the tenth place is open to a tie, not to less.
TEST(HighscoreTable, TenthPlaceIsOpenToATieOnly)
{
    EnterFreshDirectory();
    std::string records;
    for (int points = 1000; points >= 100; points -= 100)
        records += " P" + std::to_string(points) + ":" + std::to_string(points) + ":2:90:5";
    RunFormatTool("encode highscore.txt 1 2" + records);
    LogSink log;
    EXPECT_FALSE(ReachesHighscore(99, 1, 30));
    EXPECT_TRUE(log.Contains("User didn't reach highscore!"));
    EXPECT_TRUE(ReachesHighscore(100, 1, 30));

    ASSERT_TRUE(EnterHighscore("Zed", 100, 3, 45));
    std::string decoded = RunFormatTool("decode highscore.txt");
    EXPECT_NE(decoded.find("header MossbrookHighscore 0 11 1 "), std::string::npos) << decoded;
    EXPECT_NE(decoded.find("entry 200 2 90 5 P200\nentry 100 3 45 "), std::string::npos) << decoded;
    EXPECT_NE(decoded.find(" Zed\nentry 100 2 90 5 P100\n"), std::string::npos) << decoded;
    EXPECT_EQ(decoded.find("testuser"), std::string::npos);
    EXPECT_FALSE(EnterHighscore("Low", 50, 1, 30));
    EXPECT_EQ(RunFormatTool("decode highscore.txt"), decoded)
        << "a result that misses is not written";
}
