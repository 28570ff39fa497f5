// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The list of results, its file, and the rules by which a result enters it.
#include "tests/highscore/highscore_test_support.h"
#include "tests/support/log_sink.h"

#include <ctime>

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
    // Equal points A, B come back as B, A; stray bytes behind are not read; a name filling its field
    // without a zero is read whole, and saved with its zero.
    const std::string full = "Twentycharacterlongs";
    RunFormatTool(
        "encode highscore.txt 1000 2000 --trailing 7 A:50:2:65:11 B:50:3:59:12 C:70:4:61:13 " +
        full + ":40:1:10:14");
    HighscoreList list;
    ASSERT_TRUE(list.Load(HIGHSCORE_FILE, HIGHSCORE_KEY));
    EXPECT_EQ(NamesInOrder(list), "C B A " + full + " ");
    const HighscoreEntry* b = list.GetEntry(2);
    EXPECT_TRUE(b->level == 3 && b->playTime == 59 && b->date == 12u);

    const unsigned before = unsigned(time(nullptr));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY));
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

    RunFormatTool("encode highscore.txt 1 2");
    EXPECT_TRUE(list.Load(HIGHSCORE_FILE, HIGHSCORE_KEY)) << "no entries is still a good file";
    EXPECT_EQ(list.Count(), 0);

    // The key's zero is part of the key stream: bytes 37 and 38 of a record are as readers expect.
    unsigned char clear[40] = {}, scrambled[40];
    ASSERT_TRUE(CryptBlock(scrambled, clear, 40, HIGHSCORE_KEY));
    EXPECT_EQ(std::vector<int>({scrambled[37], scrambled[38]}), std::vector<int>({0, 'p'}));
}

TEST(HighscoreList, ANewEntryRanksAheadOfItsEqualsAndAFileHoldsTheBest255)
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

    // However many share their points, the newest stands first.
    HighscoreList ties;
    std::string added;
    for (int i = 0; i < 40; ++i)
        ties.Add(Entry(std::to_string(i).c_str(), 7)), added = std::to_string(i) + " " + added;
    EXPECT_EQ(NamesInOrder(ties), added);

    // 300 results: a file holds the best 255, and rank 256 stays 256.
    HighscoreList many;
    for (int i = 0; i < 300; ++i)
        many.Add(Entry("many", 1000 + i));
    EXPECT_EQ(many.Position(Entry("x", 1044)), 256);
    ASSERT_TRUE(many.Save(HIGHSCORE_FILE, HIGHSCORE_KEY));
    ASSERT_TRUE(many.Load(HIGHSCORE_FILE, HIGHSCORE_KEY));
    EXPECT_EQ(many.Count(), 255);
    EXPECT_EQ(many.GetEntry(255)->points, 1045);
    EXPECT_EQ(many.Position(Entry("x", 1)), 256);
}

// A failed save leaves the file as it was. One over a damaged file (short, wrong guard or magic, a
// record missing) first keeps its bytes in a new, logged copy, over a good file none; what cannot
// be copied (a link to a directory) is not written over.
TEST(HighscoreFile, ASaveNeverLosesTheFileItReplaces)
{
    EnterFreshDirectory();
    HighscoreList list;
    list.Add(Entry("Ann", 30));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY));
    const std::string old = ReadWholeFile(HIGHSCORE_FILE);
    list.Add(Entry("Bob", 40));
    for (int failing : {0, 1}) {  // the header, the first entry
        SetHighscoreWriteHook([failing](int record) { return record != failing; });
        EXPECT_FALSE(list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY)) << failing;
        SetHighscoreWriteHook(nullptr);
        EXPECT_EQ(ReadWholeFile(HIGHSCORE_FILE), old) << failing;
        EXPECT_EQ(ReadWholeFile("highscore.txt.tmp"), "") << "nothing half-written is left behind";
    }

    std::string badGuard = old, badMagic = old;
    badGuard[20] ^= 1;
    badMagic[0] ^= 1;
    std::vector<std::string> damaged = {old.substr(0, 35), badGuard, badMagic, old.substr(0, 75)};
    LogSink log;
    for (const std::string& bytes : damaged) {
        WriteTextFile(HIGHSCORE_FILE, bytes);
        ASSERT_TRUE(EnterHighscore("Cid", 30, 1, 60));
    }
    ASSERT_TRUE(EnterHighscore("Dan", 20, 1, 60));
    EXPECT_EQ(RunFormatTool("decode highscore.txt").rfind("header MossbrookHighscore 0 2 ", 0), 0u);
    std::vector<std::string> kept;
    size_t copies = 0;
    for (const auto& file : std::filesystem::directory_iterator("."))
        if (const std::string name = file.path().filename(); name.find(".damaged-") != name.npos)
            if (++copies, log.Contains("Kept the damaged highscore list as " + name))
                kept.push_back(ReadWholeFile(name));
    std::sort(kept.begin(), kept.end()), std::sort(damaged.begin(), damaged.end());
    EXPECT_EQ(kept, damaged);
    EXPECT_EQ(copies, damaged.size()) << "one copy for each damaged file, no more";
    ASSERT_EQ(unlink(HIGHSCORE_FILE) + symlink("data", HIGHSCORE_FILE), 0);
    EXPECT_FALSE(EnterHighscore("Eve", 30, 1, 60));
    EXPECT_TRUE(std::filesystem::is_symlink(HIGHSCORE_FILE));
}

// On an empty list one point qualifies; on ten results the tenth place is open to a tie only.
TEST(HighscoreTable, OnePointQualifiesAndTheTenthPlaceIsOpenToATieOnly)
{
    EnterFreshDirectory();
    EXPECT_FALSE(ReachesHighscore(0, 1, 30));
    EXPECT_TRUE(ReachesHighscore(1, 1, 30));
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
