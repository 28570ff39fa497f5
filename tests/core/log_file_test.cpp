#include "core/log_file.h"

#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <regex>

TEST(LogFile, EachRunWritesHeaderLinesByLevelAndFooterWithCrLf)
{
    const std::string path = ::testing::TempDir() + "kolvo-log-format.txt";
    for (const char* run : {"first run", "second run"}) {
        LogFile log;
        EXPECT_FALSE(log.Write(1, "before open"));
        ASSERT_TRUE(log.Open(path.c_str()));
        EXPECT_FALSE(log.Open(path.c_str()));
        EXPECT_TRUE(log.Write(0, run) && log.Write(1, "one") && log.Write(4, "four 100% literal"));
    }  // the destructor closes with the footer
    const std::string stamp = R"(# Date: \d{1,2}\.\d{1,2}\.\d{4}\r\n# Time: \d{1,2}:\d{1,2}:\d{1,2}\r\n)";
    const std::string rule = "#----------------------------------------\r\n", time = R"(-\d{1,2}:\d{1,2}:\d{1,2}:   )";
    const std::regex expected(rule + "# Logfile opened\\.\r\n" + stamp + rule + "\r\n" + time + "second run\r\n" +
                              "  " + time + "one\r\n" + "        " + time + "four 100% literal\r\n" + "\r\n" + rule +
                              "# Logfile closed\\.\r\n" + stamp + rule);
    const std::string written = ReadWholeFile(path);
    EXPECT_TRUE(std::regex_match(written, expected)) << written;

    LogFile log;
    EXPECT_FALSE(log.Open("/nonexistent-kolvo-dir/kolvolog.txt"));
    EXPECT_FALSE(log.Close() || log.IsOpen());
}
