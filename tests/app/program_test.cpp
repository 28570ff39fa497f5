// The command line and the start of the real program, run as a separate process in an empty
// directory: without data/ the fonts cannot load, so the program ends right after its start.
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct GameRun {
    int status;
    std::string output;
    std::string log;
    bool logExists;
};

static GameRun RunGame(const std::string& arguments)
{
    char pattern[] = "/tmp/kolvo-run-XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    std::string dir = pattern;
    std::string command = "cd " + dir + " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                          KOLVO_GAME_BINARY + " " + arguments + " 2>&1";
    GameRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char chunk[512];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.output.append(chunk, got);
    run.status = WEXITSTATUS(pclose(pipe));
    std::string logPath = dir + "/kolvolog.txt";
    run.logExists = access(logPath.c_str(), F_OK) == 0;
    run.log = ReadWholeFile(logPath);
    return run;
}

static bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CommandLine, HelpPrintsUsageAndStartsNothingEvenAfterOtherOptions)
{
    for (const char* arguments : {"--help", "-debug --help", "-w --help -debug"}) {
        GameRun run = RunGame(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_TRUE(Has(run.output, "usage:\n -w: windowed\n -debug: debug mode\n --help: this text\n"))
            << run.output;
        EXPECT_FALSE(run.logExists) << arguments;
    }
}

TEST(CommandLine, WindowedAndDebugInEitherOrder)
{
    for (const char* arguments : {"-w -debug", "-debug -w"}) {
        GameRun run = RunGame(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_TRUE(Has(run.log, "fullscreen: 0")) << run.log;
        EXPECT_TRUE(Has(run.log, "Debug mode is activated!")) << run.log;
    }
}

TEST(CommandLine, RepeatedAndUnknownArgumentsAreHarmless)
{
    GameRun twice = RunGame("-w -w");
    EXPECT_TRUE(Has(twice.log, "fullscreen: 0"));
    EXPECT_FALSE(Has(twice.log, "Debug mode is activated!"));

    GameRun unknown = RunGame("-W --debug extra");
    EXPECT_EQ(unknown.status, 0);
    EXPECT_TRUE(Has(unknown.log, "fullscreen: 1")) << unknown.log;
    EXPECT_FALSE(Has(unknown.log, "Debug mode is activated!"));
}

TEST(CommandLine, MissingFontEndsInOrderWithTheLogFooter)
{
    GameRun run = RunGame("-w");
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"Engine init was succesfull!", "loading Font data/grafik/font.bmp",
                             "Init Text engine failed!", "Shutting down Engine", "DONE - Quit SDL",
                             "# Logfile closed."})
        EXPECT_TRUE(Has(run.log, line)) << line << "\n" << run.log;
}
