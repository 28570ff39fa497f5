#include "app/globals.h"

#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <sys/stat.h>

// The process-wide engine starts only once per process, so its whole life is one story.
TEST(Engine, StartsOnceLogsByLevelAndRefusesASecondStart)
{
    // Logging before the start reaches the console only.
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(gEngine.Log(3, "early %d", 7));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "  early 7\n");

    // A log file that cannot be created stops the start before SDL is touched.
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(gEngine.Init(640, 480, false, "/nonexistent-kolvo-dir/kolvolog.txt"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Couldn't create logfile /nonexistent-kolvo-dir/kolvolog.txt");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(freeMain, nullptr);

    LogSink sink;
    StartHeadlessEngine();
    ASSERT_EQ(freeMain, &gEngine);
    EXPECT_TRUE(sink.InOrder({"Initialising Engine", "init SDL",
                              "set video mode 640x480 @ [optimal] bpp, fullscreen: 0",
                              "Retrieving Keystate Array", "DONE - init SDL",
                              "DONE - Initialising Engine"}))
        << sink.All();
    EXPECT_EQ(sink.LevelOf("set video mode 640x480 @ [optimal] bpp, fullscreen: 0"), 3);
    EXPECT_NE(gEngine.keys, nullptr);

    // Console lines are indented by level - 1 spaces; file lines by two spaces per level.
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(gEngine.Log(1, "level one"));
    EXPECT_TRUE(gEngine.Log(4, "level four"));
    EXPECT_TRUE(gEngine.Log(2, "%s", "a % sign stays"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "level one\n   level four\n a % sign stays\n");
    std::string written = ReadWholeFile("kolvolog.txt");
    EXPECT_TRUE(std::regex_search(written, std::regex(R"(\r\n  -\d+:\d+:\d+:   level one\r\n)")));
    EXPECT_TRUE(std::regex_search(written, std::regex(R"(\r\n {8}-\d+:\d+:\d+:   level four\r\n)")));

    // A second start is refused and leaves the first engine working.
    SDL_Surface* screen = gEngine.screen;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(gEngine.Init(640, 480, false, "other.txt"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "there's already a freeMain object!");
    EXPECT_EQ(gEngine.screen, screen);
    EXPECT_TRUE(gEngine.Log(1, "still logging"));
    struct stat info;
    EXPECT_NE(stat("other.txt", &info), 0);
}

TEST(Engine, CutsOverlongMessagesInsteadOfOverrunning)
{
    StartHeadlessEngine();
    LogSink sink;
    std::string longName(5000, 'x');
    ::testing::internal::CaptureStdout();
    gEngine.Log(2, "loading %s", longName.c_str());
    ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0].text.size(), size_t(LOG_MESSAGE_SIZE - 1));
}
