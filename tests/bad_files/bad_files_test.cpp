// Every file the game reads, missing, empty, cut in half or replaced by noise. Each case gets a
// fresh copy of the game data with that one file damaged. Files read before the menu runs are
// tried on the real program; files read inside a screen are tried on that screen, in this process.
// Either way the game must say what went wrong and end, or go back, in order.
#include "app/globals.h"
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

#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

enum Damage { MISSING, EMPTY, TRUNCATED, GARBAGE };
static const char* const DAMAGE_NAMES[] = {"Missing", "Empty", "Truncated", "Garbage"};

// "MEG" is missing, empty and garbage; "T" truncated to its first half.
static std::vector<Damage> Damages(const char* letters)
{
    std::vector<Damage> damages;
    for (const char* c = letters; *c; ++c)
        damages.push_back(*c == 'M' ? MISSING : *c == 'E' ? EMPTY : *c == 'T' ? TRUNCATED : GARBAGE);
    return damages;
}

static std::string Damaged(const std::string& contents, Damage damage)
{
    std::string noise(contents.size(), '\0');
    unsigned seed = 12345;
    for (char& c : noise)
        c = char((seed = seed * 1103515245 + 12345) >> 16);
    return damage == TRUNCATED ? contents.substr(0, contents.size() / 2) : damage == GARBAGE ? noise : "";
}

static std::string NewDirectory()
{
    char pattern[] = "/tmp/kolvo-bad-XXXXXX";
    EXPECT_NE(mkdtemp(pattern), nullptr);
    return pattern;
}

// A fresh directory with data/grafik and data/sound linking the game's files, but for one file,
// relative to the directory, that is written damaged (or left out). original is its good contents.
static std::string PrepareTree(const std::string& file, const std::string& original, Damage damage)
{
    std::string root = NewDirectory();
    for (const char* sub : {"/data", "/data/grafik", "/data/sound"})
        EXPECT_EQ(mkdir((root + sub).c_str(), 0755), 0);
    for (const char* sub : {"grafik/", "sound/"}) {
        const std::string from = std::string(KOLVO_DATA_DIR) + "/" + sub, to = "data/" + std::string(sub);
        DIR* dir = opendir(from.c_str());
        while (dirent* entry = dir ? readdir(dir) : nullptr) {
            const std::string name = entry->d_name;
            if (name[0] == '.' || to + name == file)
                continue;
            EXPECT_EQ(symlink((from + name).c_str(), (root + "/" + to + name).c_str()), 0) << name;
        }
        if (dir)
            closedir(dir);
    }
    if (damage != MISSING)
        WriteTextFile(root + "/" + file, Damaged(original, damage));
    return root;
}

static std::string DataFile(const std::string& file)
{
    return ReadWholeFile(std::string(KOLVO_DATA_DIR) + "/" + file.substr(5));
}

static std::string CaseName(const std::string& prefix, const std::string& file, Damage damage)
{
    std::string name = prefix + "_" + file.substr(file.rfind('/') + 1) + "_" + DAMAGE_NAMES[damage];
    for (char& c : name)
        c = isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// ---- Files read before the menu runs: the real program, ended by SIGTERM once the menu is up.

struct StartRow {
    const char* file;
    const char* damages;
    const char* line;  // in the log or on standard output, which also carries every log line
};

static const StartRow START_ROWS[] = {
    {"data/grafik/font.bmp", "METG", "Init Text engine failed!"},
    {"data/grafik/font_orange.bmp", "METG", "Init Text marked engine failed!"},
    {"data/grafik/mouse.bmp", "METG", "Couldn't load data/grafik/mouse.bmp: "},
    {"data/grafik/menu_top.jpg", "MEG", "Couldn't load data/grafik/menu_top.jpg: "},
    // The JPEG decoder draws what it has and greys out the rest: half a picture is a picture.
    {"data/grafik/menu_top.jpg", "T", "Menue Ready!"},
    {"data/grafik/menu_startgame.jpg", "MEG", "Couldn't load data/grafik/menu_startgame.jpg: "},
    {"data/grafik/menu_startgame_a.jpg", "MEG", "Couldn't load data/grafik/menu_startgame_a.jpg: "},
    {"data/grafik/menu_startchallenge.jpg", "MEG", "Couldn't load data/grafik/menu_startchallenge.jpg: "},
    {"data/grafik/menu_startchallenge_a.jpg", "MEG", "Couldn't load data/grafik/menu_startchallenge_a.jpg: "},
    {"data/grafik/menu_options.jpg", "MEG", "Couldn't load data/grafik/menu_options.jpg: "},
    {"data/grafik/menu_options_a.jpg", "MEG", "Couldn't load data/grafik/menu_options_a.jpg: "},
    {"data/grafik/menu_info.jpg", "MEG", "Couldn't load data/grafik/menu_info.jpg: "},
    {"data/grafik/menu_info_a.jpg", "MEG", "Couldn't load data/grafik/menu_info_a.jpg: "},
    {"data/grafik/menu_quit.jpg", "MEG", "Couldn't load data/grafik/menu_quit.jpg: "},
    {"data/grafik/menu_quit_a.jpg", "MEG", "Couldn't load data/grafik/menu_quit_a.jpg: "},
    {"data/sound/stonedown.wav", "METG", "Could not load sound 'data/sound/stonedown.wav': "},
    // The music is a pleasure, not a need: the menu comes up without it.
    {"data/sound/background.mp3", "MEG", "Could not load sound 'data/sound/background.mp3': "},
    {"data/sound/background.mp3", "METG", "Menue Ready!"},
};

struct StartCase {
    const StartRow* row;
    Damage damage;
};

struct Finished {
    int status;
    std::string output;
    std::string log;
};

static bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Waits up to timeoutMs for the child to end by itself; true when it did.
static bool WaitFor(pid_t child, int* status, int timeoutMs, const std::function<bool()>& stopEarly)
{
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (waitpid(child, status, WNOHANG) == child)
            return true;
        if (stopEarly())
            return false;
        usleep(10000);
    }
    return false;
}

// Runs the game windowed in root until it ends by itself, or until its menu is up, then asks it
// to quit the way the desktop does.
static Finished RunGameIn(const std::string& root)
{
    const std::string output = root + "/output.txt", log = root + "/kolvolog.txt";
    pid_t child = fork();
    if (child == 0) {
        if (chdir(root.c_str()) != 0 || !freopen(output.c_str(), "w", stdout) || dup2(fileno(stdout), 2) < 0)
            _exit(99);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(KOLVO_GAME_BINARY, KOLVO_GAME_BINARY, "-w", static_cast<char*>(nullptr));
        _exit(98);
    }
    int status = -1;
    auto menuUp = [&] { return Has(ReadWholeFile(log), "Menue Ready!"); };
    if (!WaitFor(child, &status, 30000, menuUp)) {
        kill(child, SIGTERM);
        if (!WaitFor(child, &status, 30000, [] { return false; })) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        }
    }
    return {status, ReadWholeFile(output), ReadWholeFile(log)};
}

class StartFiles : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartFiles, SayWhatFailedAndEndInOrder)
{
    const StartRow& row = *GetParam().row;
    const std::string root = PrepareTree(row.file, DataFile(row.file), GetParam().damage);
    Finished run = RunGameIn(root);
    std::filesystem::remove_all(root);
    ASSERT_TRUE(WIFEXITED(run.status)) << "ended by signal " << WTERMSIG(run.status) << "\n" << run.output;
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.output;
    EXPECT_TRUE(Has(run.output, row.line)) << row.line << "\n" << run.output;
    const bool fontFailed = Has(run.log, "Init Text");
    EXPECT_TRUE(fontFailed || Has(run.log, "Outer Mainloop finished, Goodbye!")) << run.log;
    EXPECT_TRUE(Has(run.log, "DONE - Quit SDL") && Has(run.log, "# Logfile closed.")) << run.log;
}

static std::vector<StartCase> StartCases()
{
    std::vector<StartCase> cases;
    for (const StartRow& row : START_ROWS)
        for (Damage damage : Damages(row.damages))
            cases.push_back({&row, damage});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Game, StartFiles, ::testing::ValuesIn(StartCases()),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             const StartRow& row = *info.param.row;
                             return CaseName(Has(row.line, "Menue Ready") ? "Plays" : "Fails", row.file,
                                             info.param.damage);
                         });

// ---- Files read inside a screen: the screen itself, in this process, with scripted keys.

static bool ReachHighscore()
{
    return ReachesHighscore(10, 1, 60);
}

static bool EnterName()
{
    char name[32] = "";
    return GetName("Enter your name", name, sizeof name);
}

struct ScreenRow {
    const char* screenName;
    bool (*screen)();
    const char* file;
    const char* damages;
    const char* line;  // a logged line starts with this
    bool returns;      // what the screen returns: true goes back to the menu
};

static const char SCORES[] = "highscore.txt";

static const ScreenRow SCREEN_ROWS[] = {
    {"Game", Game, "data/sound/stonedown.wav", "METG", "Load Tumblo Sound failed!", false},
    {"Game", Game, "data/sound/crackline.wav", "METG", "Load Tumblo Sound failed!", false},
    {"Game", Game, "data/sound/loose.wav", "METG", "Load Tumblo Sound failed!", false},
    {"Game", Game, "data/sound/highscore.wav", "METG", "Load Tumblo Sound failed!", false},
    {"Game", Game, "data/grafik/graphic.txt", "MEG", "Load Tumblo Graphics failed!", false},
    // Half the script still names the empty cell; the rest stays unnamed, which a script may do.
    {"Game", Game, "data/grafik/graphic.txt", "T", "Tumblo Graphics loaded!", true},
    {"Game", Game, "data/grafik/empty.bmp", "METG", "Couldn't load data/grafik/empty.bmp: ", false},
    {"Game", Game, "data/grafik/stone_a.bmp", "METG", "Couldn't load data/grafik/stone_a.bmp: ", false},
    {"Game", Game, "data/grafik/stone_b.bmp", "METG", "Load Tumblo Graphics failed!", false},
    {"Challenge", Challenge, "data/sound/loose.wav", "METG", "Load Tumblo Sound failed!", false},
    {"Challenge", Challenge, "data/grafik/graphic.txt", "MEG", "FAILED", false},
    {"Challenge", Challenge, "data/grafik/stone_b.bmp", "METG", "Couldn't load data/grafik/stone_b.bmp: ", false},
    {"Options", OptionsScreen, "data/grafik/back.jpg", "MEG", "Couldn't load data/grafik/back.jpg: ", false},
    {"Options", OptionsScreen, "data/grafik/sndon.jpg", "MEG", "Couldn't load data/grafik/sndon.jpg: ", false},
    {"Options", OptionsScreen, "data/grafik/sndoff.jpg", "MEG", "Couldn't load data/grafik/sndoff.jpg: ", false},
    {"Options", OptionsScreen, "data/grafik/sndoff.jpg", "T", "Data loaded!", true},
    {"Options", OptionsScreen, "data/grafik/menu_top.jpg", "MEG", "Couldn't load data/grafik/menu_top.jpg: ", false},
    {"Options", OptionsScreen, "data/grafik/mouse.bmp", "METG", "Couldn't load data/grafik/mouse.bmp: ", false},
    {"Info", InfoScreen, "data/grafik/menu_top.jpg", "MEG", "Load Logo failed!", false},
    {"Info", InfoScreen, "data/grafik/menu_top.jpg", "T", "Logo loaded!", true},
    {"NameEntry", EnterName, "data/grafik/cursor.bmp", "METG", "Init Input failed!", false},
    {"NameEntry", EnterName, "data/grafik/font.bmp", "METG", "Couldn't load data/grafik/font.bmp: ", false},
    {"Highscore", ShowHighscore, SCORES, "METG", "Open Highscore failed!", true},
    {"Qualify", ReachHighscore, SCORES, "METG", "Load Highscore failed!", true},
};

struct ScreenCase {
    const ScreenRow* row;
    Damage damage;
};

// A list of three, as the game writes it, for the highscore file's rows.
static std::string GoodScores()
{
    const std::string directory = NewDirectory(), path = directory + "/" + SCORES;
    HighscoreList list;
    for (int points : {300, 200, 100})
        list.Add(MakeHighscoreEntry("Ann", points, 2, 90));
    EXPECT_TRUE(list.Save(path.c_str(), HighscoreKey));
    const std::string contents = ReadWholeFile(path);
    std::filesystem::remove_all(directory);
    return contents;
}

class ScreenFiles : public ::testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override
    {
        StartHeadlessGame();
        DrainEvents();
        ReleaseAllKeys();
    }
    void TearDown() override { ReleaseAllKeys(); }
};

TEST_P(ScreenFiles, SayWhatFailedAndLeaveInOrder)
{
    const ScreenRow& row = *GetParam().row;
    const bool scores = row.file == SCORES;
    const std::string root = PrepareTree(row.file, scores ? GoodScores() : DataFile(row.file), GetParam().damage);
    ASSERT_EQ(chdir(root.c_str()), 0);
    FakeClock clock;
    LogSink log;
    // Every screen leaves on one of these: Escape held (the game, the highscore list, which wants
    // it pressed anew), Return typed (the name entry, options and info take any character).
    FrameScript script([&](int frame) {
        clock.Advance(100);
        HoldKey(SDLK_ESCAPE, frame % 2 == 1);
        PushKeyDown(SDLK_RETURN, '\r');
        EXPECT_LT(frame, 500) << "the screen does not end";
        if (frame >= 500)
            PushQuit();
    });
    EXPECT_EQ(row.screen(), row.returns) << log.All();
    ASSERT_EQ(chdir(TestDirectory().c_str()), 0);
    std::filesystem::remove_all(root);
    bool logged = false;
    for (const LogSink::Line& line : log.lines)
        logged |= line.text.rfind(row.line, 0) == 0;
    EXPECT_TRUE(logged) << row.line << "\n" << log.All();
}

static std::vector<ScreenCase> ScreenCases()
{
    std::vector<ScreenCase> cases;
    for (const ScreenRow& row : SCREEN_ROWS)
        for (Damage damage : Damages(row.damages))
            cases.push_back({&row, damage});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Screen, ScreenFiles, ::testing::ValuesIn(ScreenCases()),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             return CaseName(info.param.row->screenName, info.param.row->file, info.param.damage);
                         });
