// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "app/program.h"

#include "app/globals.h"
#include "core/termination.h"
#include "game/challenge.h"
#include "game/game.h"
#include "highscore/highscore_screen.h"
#include "ui/info_screen.h"
#include "ui/main_menu.h"
#include "ui/options_screen.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char PROGRAM_LOG_FILE[] = "kolvolog.txt";
static const char PROGRAM_USAGE[] =
    "usage:\n -w: windowed\n -debug: debug mode\n --help: this text\n"
    " -s N: a window N times as large, N from 1 to 8\n"
    " -c: every challenge against the computer, on the right (F1 and F2 switch sides in play)\n";

// A screen the menu can choose: the line logged before it and the line logged when it fails.
struct ScreenChoice {
    int menuResult;
    const char* startLine;
    bool (*run)();
    const char* errorLine;
};

static const ScreenChoice PROGRAM_SCREENS[] = {
    {MENU_GAME, "StartGame", Game, "Error in Game"},
    {MENU_CHALLENGE, "StartChallenge", Challenge, "Error in Challenge"},
    {MENU_OPTIONS, "StartOptions", OptionsScreen, "Error in Options"},
    {MENU_INFO, "StartInfo", InfoScreen, "Error in Info"},
    {MENU_HIGHSCORE, "StartHighscore", ShowHighscore, "Error in Highscore"},
};

static const ScreenChoice* FindScreen(int menuResult)
{
    for (const ScreenChoice& choice : PROGRAM_SCREENS)
        if (choice.menuResult == menuResult)
            return &choice;
    return nullptr;
}

// Runs the menu and the screens it chooses until the player leaves or one fails, and logs the line
// that ends the loop at level 1, where the outer loop's lines stand.
static void RunScreensUntilDone()
{
    for (;;) {
        int result = RunMainMenu();
        if (result == MENU_EXIT) {
            gEngine.Log(1, "User chose Exit!");
            return;
        }
        const ScreenChoice* choice = FindScreen(result);
        if (!choice) {
            gEngine.Log(1, "Error in Menue");  // Kept on purpose: the spelling log readers know
            return;
        }
        gEngine.Log(1, "%s", choice->startLine);
        if (!choice->run()) {
            gEngine.Log(1, "%s", choice->errorLine);
            return;
        }
    }
}

void RunOuterLoop()
{
    gEngine.Log(1, "Starting outer Mainloop!");
    RunScreensUntilDone();
    gEngine.cursor.Show(1);
    gEngine.Log(1, "Outer Mainloop finished, Goodbye!");
}

// The scale that "-s" is given in text: a whole number from 1 to SCREEN_SCALE_MAX in plain
// digits, else 0.
static int ReadScale(const char* text)
{
    char* end = nullptr;
    const long scale =
        text && isdigit(static_cast<unsigned char>(text[0])) ? strtol(text, &end, 10) : 0;
    return end && *end == '\0' && scale >= 1 && scale <= SCREEN_SCALE_MAX ? int(scale) : 0;
}

// False when "--help" was asked for: the usage text has been printed and nothing may start.
// "-s" takes the next argument as its scale when that is one; otherwise it is ignored as an
// unknown argument is, and the next argument is read as an option of its own.
static bool ReadCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-w") == 0)
            gFullscreen = false;
        else if (strcmp(argv[i], "-debug") == 0)
            gDebug = true;
        else if (strcmp(argv[i], "-c") == 0)
            gChallengeComputer = true;
        else if (strcmp(argv[i], "-s") == 0 && ReadScale(argv[i + 1]))
            gScale = ReadScale(argv[++i]);
        else if (strcmp(argv[i], "--help") == 0) {
            fputs(PROGRAM_USAGE, stdout);
            return false;
        }
    }
    return true;
}

static bool LoadFonts()
{
    if (!gWhiteFont.LoadFont("data/grafik/font.bmp"))
        return Fail("Init Text engine failed!");
    if (!gOrangeFont.LoadFont("data/grafik/font_orange.bmp"))
        return Fail("Init Text marked engine failed!");
    gEngine.Log(2, "Text engine ready!");
    return true;
}

// The browser's page has no command line: its control "Play against the computer" calls this, and
// the challenges that start after it play as with -c (on = 1) or without (on = 0).
extern "C" void KolvoChallengeComputer(int on)
{
    gChallengeComputer = on != 0;
}

int KolvoMain(int argc, char** argv)
{
    if (!ReadCommandLine(argc, argv))
        return 1;
    CatchTerminationSignals();
    if (!gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, gFullscreen, PROGRAM_LOG_FILE, gScale))
        return 1;
    SDL_WM_SetCaption("Kolvo", "Kolvo");  // desktops show it in the title bar and the task list
    gEngine.Log(1, "Engine init was succesfull!");  // Kept on purpose: as log readers know it
    if (gDebug)
        gEngine.Log(1, "Debug mode is activated!");
    gGamepads.Open();  // without pads the game is played with the keys
    if (!LoadFonts())
        return 0;
    // Music is a pleasure, not a need: the game runs without it.
    gMusic.Open("data/sound/background.mp3");
    gMusic.Play(true);
    gEngine.cursor.Show(0);
    RunOuterLoop();
    return 0;
}
