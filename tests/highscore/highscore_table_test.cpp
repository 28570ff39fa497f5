#include "highscore/highscore_table.h"

#include "tests/highscore/highscore_test_support.h"
#include "tests/support/log_sink.h"

#include <gtest/gtest.h>

TEST(HighscoreTable, FirstResultStartsTheFileAndNothingBelowOnePointQualifies)
{
    EnterFreshDirectory();
    EXPECT_FALSE(ReachesHighscore(0, 1, 30));
    EXPECT_TRUE(ReachesHighscore(1, 1, 30));
    ASSERT_TRUE(EnterHighscore("Ann", 1, 1, 30));
    EXPECT_NE(RunFormatTool("decode highscore.txt").find("entry 1 1 30 "), std::string::npos);
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
    EXPECT_EQ(RunFormatTool("decode highscore.txt"), decoded) << "a result that misses is not written";
}
