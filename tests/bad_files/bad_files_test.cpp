// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Every file the game reads, missing, empty, cut in half or replaced by noise. Each case gets a
// fresh copy of the game data with that one file damaged. Files read before the menu runs are
// tried on the real program; files read inside a screen are tried on that screen, in this process.
// Either way the game must say what went wrong and end, or go back, in order.
#include "game/challenge.h"
#include "game/game.h"
#include "highscore/highscore_screen.h"
#include "highscore/highscore_table.h"
#include "highscore/name_entry.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"
#include "ui/info_screen.h"
#include "ui/options_screen.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

// Damage kinds by letter: Missing, Empty, Truncated to the first half, Garbage of the same size.

static std::string Damaged(std::string contents, char damage)
{
    unsigned seed = 12345;
    for (char& c : contents)
        c = damage == 'G' ? char((seed = seed * 1103515245 + 12345) >> 16) : c;
    return damage == 'T' ? contents.substr(0, contents.size() / 2) : damage == 'G' ? contents : "";
}

static const char SCORES[] = "highscore.txt";

// A fresh directory whose data/grafik and data/sound link the game's files, beside a list of three
// results as the game writes it; then one file (relative to the directory) is damaged or removed.
static std::string PrepareTree(const std::string& file, char damage)
{
    char pattern[] = "/tmp/kolvo-bad-XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    const std::string root = pattern;
    for (const std::string sub : {"/data/grafik/", "/data/sound/"}) {
        fs::create_directories(root + sub);
        for (const fs::directory_entry& entry :
             fs::directory_iterator(KOLVO_DATA_DIR + sub.substr(5)))
            fs::create_symlink(entry.path(), root + sub + entry.path().filename().string());
    }
    HighscoreList list;
    for (int points : {300, 200, 100})
        list.Add(MakeHighscoreEntry("Ann", points, 2, 90));
    EXPECT_TRUE(list.Save((root + "/" + SCORES).c_str(), HIGHSCORE_KEY));
    const std::string path = root + "/" + file, good = ReadWholeFile(path);
    fs::remove(path);
    if (damage != 'M')
        WriteTextFile(path, Damaged(good, damage));
    return root;
}

static bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// ---- The cases. A screen of nullptr is the real program, ended by SIGTERM once its menu is up.

static const char LOAD_FAILED[] = "";  // "Couldn't load <file>: ", the picture loader's line

struct Row {
    const char* where;
    bool (*screen)();
    std::string file;
    std::string damages;  // one case per damage
    std::string line;     // logged (or, for the program, on its output); a screen's line starts so
    bool returns;         // what the screen returns: true goes back to the menu
};

static std::vector<Row> Rows()
{
    const auto enterName = [] {
        char name[32] = "";
        return GetName("Enter your name", name, sizeof name);
    };
    std::vector<Row> rows = {
        {"Start", nullptr, "data/grafik/font.bmp", "METG", "Init Text engine failed!", false},
        {"Start", nullptr, "data/grafik/font_orange.bmp", "METG", "Init Text marked engine failed!",
         false},
        {"Start", nullptr, "data/grafik/mouse.bmp", "METG", LOAD_FAILED, false},
        {"Start", nullptr, "data/grafik/menu_top.jpg", "MEG", LOAD_FAILED, false},
        // The JPEG decoder draws what it has and greys out the rest: half a picture is a picture.
        {"Start", nullptr, "data/grafik/menu_top.jpg", "T", "Menue Ready!", false},
        {"Start", nullptr, "data/sound/stonedown.wav", "METG", "Could not load sound ", false},
        // The music is a pleasure, not a need: the menu comes up without it.
        {"Start", nullptr, "data/sound/background.mp3", "MEG", "Could not load sound ", false},
        {"Start", nullptr, "data/sound/background.mp3", "METG", "Menue Ready!", false},
        {"Game", Game, "data/sound/stonedown.wav", "METG", "Load Tumblo Sound failed!", false},
        {"Game", Game, "data/sound/crackline.wav", "MG", "Load Tumblo Sound failed!", false},
        {"Game", Game, "data/sound/loose.wav", "ET", "Load Tumblo Sound failed!", false},
        {"Game", Game, "data/sound/highscore.wav", "MT", "Load Tumblo Sound failed!", false},
        {"Game", Game, "data/grafik/graphic.txt", "MEG", "Load Tumblo Graphics failed!", false},
        // Half the script still names the empty cell; the rest stays unnamed, which is allowed.
        {"Game", Game, "data/grafik/graphic.txt", "T", "Tumblo Graphics loaded!", true},
        {"Game", Game, "data/grafik/empty.bmp", "METG", LOAD_FAILED, false},
        {"Game", Game, "data/grafik/stone_a.bmp", "MG", LOAD_FAILED, false},
        {"Game", Game, "data/grafik/stone_b.bmp", "ET", "Load Tumblo Graphics failed!", false},
        {"Challenge", Challenge, "data/sound/loose.wav", "MG", "Load Tumblo Sound failed!", false},
        {"Challenge", Challenge, "data/grafik/graphic.txt", "MEG", "FAILED", false},
        {"Challenge", Challenge, "data/grafik/stone_b.bmp", "MT", LOAD_FAILED, false},
        {"Options", OptionsScreen, "data/grafik/back.jpg", "MEG", LOAD_FAILED, false},
        {"Options", OptionsScreen, "data/grafik/sndon.jpg", "MEG", LOAD_FAILED, false},
        {"Options", OptionsScreen, "data/grafik/sndoff.jpg", "MG", LOAD_FAILED, false},
        {"Options", OptionsScreen, "data/grafik/sndoff.jpg", "T", "Data loaded!", true},
        {"Options", OptionsScreen, "data/grafik/menu_top.jpg", "E", LOAD_FAILED, false},
        {"Options", OptionsScreen, "data/grafik/mouse.bmp", "G", LOAD_FAILED, false},
        {"Info", InfoScreen, "data/grafik/menu_top.jpg", "MEG", "Load Logo failed!", false},
        {"Info", InfoScreen, "data/grafik/menu_top.jpg", "T", "Logo loaded!", true},
        {"NameEntry", enterName, "data/grafik/cursor.bmp", "METG", "Init Input failed!", false},
        {"NameEntry", enterName, "data/grafik/font.bmp", "METG", LOAD_FAILED, false},
        {"Highscore", ShowHighscore, SCORES, "METG", "Open Highscore failed!", true},
        {"Qualify", [] { return ReachesHighscore(10, 1, 60); }, SCORES, "METG",
         "Load Highscore failed!", true},
        // The menu's button pictures all go through one loader: a normal and a hover one will do.
        {"Start", nullptr, "data/grafik/menu_startgame.jpg", "G", LOAD_FAILED, false},
        {"Start", nullptr, "data/grafik/menu_quit_a.jpg", "M", LOAD_FAILED, false},
    };
    for (Row& row : rows)
        row.line = row.line.empty() ? "Couldn't load " + row.file + ": " : row.line;
    return rows;
}

// Runs the game windowed in root until it ends by itself, or until its menu is up, then ends it
// the way a session does, with SIGTERM. Standard output also carries every log line.
static void CheckProgram(const Row& row, const std::string& root)
{
    const std::string output = root + "/output.txt", logFile = root + "/kolvolog.txt";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(root.c_str()) || !freopen(output.c_str(), "w", stdout) || dup2(1, 2) < 0)
            _exit(99);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(KOLVO_GAME_BINARY, KOLVO_GAME_BINARY, "-w", static_cast<char*>(nullptr));
        _exit(98);
    }
    // 30 s each for the game to end by itself or bring its menu up, and to end on SIGTERM.
    int status = -1;
    bool ended = false, terminated = false;
    for (int waited = 0; !ended && waited < 60000; waited += 10, usleep(10000)) {
        ended = waitpid(child, &status, WNOHANG) == child;
        if (!ended && !terminated &&
            (waited >= 30000 || Has(ReadWholeFile(logFile), "Menue Ready!")))
            terminated = kill(child, SIGTERM) == 0;
    }
    if (!ended)
        kill(child, SIGKILL), waitpid(child, &status, 0);
    const std::string out = ReadWholeFile(output), log = ReadWholeFile(logFile);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << "\n" << out;
    EXPECT_EQ(WEXITSTATUS(status), terminated ? 128 + SIGTERM : 0) << out;
    EXPECT_TRUE(Has(out, row.line)) << row.line << "\n" << out;
    const bool endedInOrder =
        terminated ? Has(log, "Ended by SIGTERM - exit")
                   : Has(log, "Init Text") || Has(log, "Outer Mainloop finished, Goodbye!");
    EXPECT_TRUE(endedInOrder) << log;
    EXPECT_TRUE(Has(log, "DONE - Quit SDL") && Has(log, "# Logfile closed.")) << log;
}

// Every screen leaves on one of these: Escape held (the game, the highscore list, which wants it
// pressed anew), Return typed (the name entry, options and info take any character).
static void CheckScreen(const Row& row, const std::string& root)
{
    StartHeadlessGame();
    DrainEvents();
    ASSERT_EQ(chdir(root.c_str()), 0);
    FakeClock clock;
    LogSink log;
    FrameScript script([&](int frame) {
        clock.Advance(100);
        HoldKey(SDLK_ESCAPE, frame % 2 == 1);
        PushKeyDown(SDLK_RETURN, '\r');
        EXPECT_LT(frame, 500) << "the screen does not end";
        if (frame >= 500)
            PushQuit();
    });
    EXPECT_EQ(row.screen(), row.returns) << log.All();
    ReleaseAllKeys();
    ASSERT_EQ(chdir(testDirectory.c_str()), 0);
    bool logged = false;
    for (const LogSink::Line& line : log.lines)
        logged |= line.text.rfind(row.line, 0) == 0;
    EXPECT_TRUE(logged) << row.line << "\n" << log.All();
}

class BadFiles : public ::testing::TestWithParam<Row> {};

TEST_P(BadFiles, SayWhatFailedAndEndOrLeaveInOrder)
{
    const Row& row = GetParam();
    for (const char damage : row.damages) {
        SCOPED_TRACE(std::string(row.where) + ", " + row.file + ", damage " + damage);
        const std::string root = PrepareTree(row.file, damage);
        row.screen ? CheckScreen(row, root) : CheckProgram(row, root);
        fs::remove_all(root);
    }
}

INSTANTIATE_TEST_SUITE_P(Data, BadFiles, ::testing::ValuesIn(Rows()));
