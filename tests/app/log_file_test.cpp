#include "app/log_file.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <regex>

static const std::string STAMP = R"(# Date: \d{1,2}\.\d{1,2}\.\d{4}\r\n# Time: \d{1,2}:\d{1,2}:\d{1,2}\r\n)";
static const std::string SEPARATOR = "#----------------------------------------\r\n";

static std::string LogPath(const char* name)
{
    return std::string(::testing::TempDir()) + name;
}

TEST(LogFile, WritesHeaderLinesByLevelAndFooterWithCrLf)
{
    std::string path = LogPath("kolvo-log-format.txt");
    {
        LogFile log;
        EXPECT_FALSE(log.Write(1, "before open"));
        ASSERT_TRUE(log.Open(path.c_str()));
        EXPECT_FALSE(log.Open(path.c_str()));
        EXPECT_TRUE(log.Write(0, "zero"));
        EXPECT_TRUE(log.Write(1, "one"));
        EXPECT_TRUE(log.Write(4, "four 100% literal"));
        EXPECT_TRUE(log.Close());
        EXPECT_FALSE(log.Close());
        EXPECT_FALSE(log.Write(1, "after close"));
    }
    std::string time = R"(-\d{1,2}:\d{1,2}:\d{1,2}:   )";
    std::regex expected(SEPARATOR + "# Logfile opened\\.\r\n" + STAMP + SEPARATOR +  //
                        "\r\n" + time + "zero\r\n" +                                  //
                        "  " + time + "one\r\n" +                                     //
                        "        " + time + "four 100% literal\r\n" +                 //
                        "\r\n" + SEPARATOR + "# Logfile closed\\.\r\n" + STAMP + SEPARATOR);
    std::string written = ReadWholeFile(path);
    EXPECT_TRUE(std::regex_match(written, expected)) << written;
}

TEST(LogFile, SecondRunLeavesOnlyItsOwnLines)
{
    std::string path = LogPath("kolvo-log-twice.txt");
    for (const char* run : {"first run", "second run"}) {
        LogFile log;
        ASSERT_TRUE(log.Open(path.c_str()));
        log.Write(1, run);
    }  // the destructor closes with the footer
    std::string written = ReadWholeFile(path);
    EXPECT_EQ(written.find("first run"), std::string::npos);
    EXPECT_NE(written.find("second run"), std::string::npos);
    EXPECT_NE(written.find("# Logfile closed."), std::string::npos);
}

TEST(LogFile, CannotOpenInMissingDirectory)
{
    LogFile log;
    EXPECT_FALSE(log.Open("/nonexistent-kolvo-dir/kolvolog.txt"));
    EXPECT_FALSE(log.IsOpen());
}
