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

#include <cstdio>
#include <cstring>

static const char PROGRAM_LOG_FILE[] = "kolvolog.txt";
static const char PROGRAM_WINDOW_OPTION[] = "-w";
static const char PROGRAM_USAGE[] =
    "usage:\n -w: windowed\n -debug: debug mode\n --help: this text\n";

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
static_assert(sizeof PROGRAM_SCREENS / sizeof PROGRAM_SCREENS[0] == 5,
              "every menu result but exit and error runs a screen");

static const ScreenChoice* FindScreen(int menuResult)
{
    for (const ScreenChoice& choice : PROGRAM_SCREENS)
        if (choice.menuResult == menuResult)
            return &choice;
    return nullptr;
}

// Returns the line that ends the loop.
static const char* RunScreensUntilDone()
{
    for (;;) {
        int result = RunMainMenu();
        if (result == MENU_EXIT)
            return "User chose Exit!";
        const ScreenChoice* choice = FindScreen(result);
        if (!choice)
            return "Error in Menue";
        gEngine.Log(1, "%s", choice->startLine);
        if (!choice->run())
            return choice->errorLine;
    }
}

void RunOuterLoop()
{
    gEngine.Log(1, "Starting outer Mainloop!");
    gEngine.Log(1, "%s", RunScreensUntilDone());
    SDL_ShowCursor(1);
    gEngine.Log(1, "Outer Mainloop finished, Goodbye!");
}

static bool AsksForWindow(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (strcmp(argv[i], PROGRAM_WINDOW_OPTION) == 0)
            return true;
    return false;
}

// The music stream starts the sound library before main, and with it SDL's audio thread, which
// reads the environment as it starts; a setenv meanwhile may free the array it reads (a rare crash
// at start on sdl12-compat). So the video's environment is set before any process-wide object is
// built: glibc hands every ELF constructor the program's arguments, and a constructor with a
// priority runs before every object without one.
__attribute__((constructor(101))) static void SetEnvironmentFirst(int argc, char** argv, char**)
{
    SetVideoEnvironment(!AsksForWindow(argc, argv));
}

// False when "--help" was asked for: the usage text has been printed and nothing may start.
static bool ReadCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], PROGRAM_WINDOW_OPTION) == 0)
            gFullscreen = false;
        else if (strcmp(argv[i], "-debug") == 0)
            gDebug = true;
        else if (strcmp(argv[i], "--help") == 0) {
            fputs(PROGRAM_USAGE, stdout);
            return false;
        }
    }
    return true;
}

static bool LoadFonts()
{
    if (!gWhiteFont.LoadFont("data/grafik/font.bmp")) {
        gEngine.Log(2, "Init Text engine failed!");
        return false;
    }
    if (!gOrangeFont.LoadFont("data/grafik/font_orange.bmp")) {
        gEngine.Log(2, "Init Text marked engine failed!");
        return false;
    }
    gEngine.Log(2, "Text engine ready!");
    return true;
}

int KolvoMain(int argc, char** argv)
{
    if (!ReadCommandLine(argc, argv))
        return 1;
    CatchTerminationSignals();
    if (!gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, gFullscreen, PROGRAM_LOG_FILE))
        return 1;
    SDL_WM_SetCaption("Kolvo", "Kolvo");  // desktops show it in the title bar and the task list
    gEngine.Log(1, "Engine init was succesfull!");
    if (gDebug)
        gEngine.Log(1, "Debug mode is activated!");
    if (!LoadFonts())
        return 0;
    // Music is a pleasure, not a need: the game runs without it.
    gMusic.Open("data/sound/background.mp3");
    gMusic.Play(true);
    SDL_ShowCursor(0);
    RunOuterLoop();
    return 0;
}
