// The command line of the real program, run as a separate process in an empty directory: without
// data/ the fonts cannot load, so the program ends right after its start.
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct GameRun {
    int status;
    std::string output, log;
};

static GameRun RunGame(const std::string& arguments)
{
    char dir[] = "/tmp/kolvo-run-XXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    const std::string command = std::string("cd ") + dir + " && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " KOLVO_GAME_BINARY " " + arguments + " 2>&1";
    GameRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char chunk[512];
    for (size_t got; (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        run.output.append(chunk, got);
    run.status = WEXITSTATUS(pclose(pipe));
    run.log = ReadWholeFile(dir + std::string("/kolvolog.txt"));
    std::filesystem::remove_all(dir);
    return run;
}

TEST(CommandLine, HelpWinsOverEverythingAndOtherArgumentsAreHarmless)
{
    struct Case {
        const char* arguments;
        int status;
        const char* fullscreen;  // nullptr: no log at all
        bool debug;
    };
    for (Case c : {Case{"-w --help -debug", 1, nullptr, false}, Case{"-debug -w", 0, "fullscreen: 0", true},
                   Case{"-W --debug extra", 0, "fullscreen: 1", false}}) {
        GameRun run = RunGame(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.output.find("usage:\n -w: windowed\n -debug: debug mode\n --help: this text\n") != std::string::npos,
                  c.fullscreen == nullptr) << c.arguments << "\n" << run.output;
        EXPECT_EQ(run.log.empty(), c.fullscreen == nullptr) << c.arguments;
        EXPECT_TRUE(!c.fullscreen || run.log.find(c.fullscreen) != std::string::npos) << c.arguments;
        EXPECT_EQ(run.log.find("Debug mode is activated!") != std::string::npos, c.debug) << c.arguments;
    }
}
