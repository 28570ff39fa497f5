// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/info_screen.h"

#include "core/engine.h"
#include "core/frame.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/ticks.h"
#include "media/sprite.h"
#include "media/text_engine.h"
#include "ui/version.h"

static const char INFO_LOGO_PICTURE[] = "data/grafik/menu_top.jpg";
constexpr Uint16 INFO_LOGO_X = 200;
constexpr Uint16 INFO_LOGO_Y = 20;

struct InfoLine {
    int x, y;
    const char* text;
};

static const InfoLine INFO_LINES[] = {
    {10, 160, "Kolvo is a development of Mossbrook"},
    {10, 200, "Features are:"},
    {10, 240, "Programmed completely portable"},
    {10, 280, "Crypted Highscore"},
    // The home page of the package metadata, without "https://www.", which would run the line
    // past the right edge of the screen.
    {10, 360, "Please visit our Hompage mossbrook.example/kolvo"},
    {10, 420, "Press Enter to Return"},
};
static_assert(sizeof INFO_LINES / sizeof INFO_LINES[0] == 6, "six lines about the program");

// Takes every pending event; any key, and a closed window, ask to leave. Each key is logged.
static void ReadEvents(bool* leave)
{
    while (SDL_PollEvent(&gEvent)) {
        if (gEvent.type == SDL_QUIT) {
            gEngine.Log(1, "user killed window! - exit");
            *leave = true;
        } else if (gEvent.type == SDL_KEYDOWN) {
            gEngine.Log(2, "user exits!");
            *leave = true;
        }
    }
}

static bool DrawLines()
{
    for (const InfoLine& line : INFO_LINES)
        if (!gWhiteFont.PutStringF(line.x, line.y, "%s", line.text))
            return false;
    return true;
}

// One frame; the message of the step that failed, or nullptr. Nothing on the screen changes, so
// after the first frame only the refreshes are drawn.
static const char* InfoFrame(Sprite& logo, FrameLook& look, bool* leave)
{
    ReadEvents(leave);
    if (look.Keeps(Ticks()))
        return nullptr;
    if (ClearScreen(gEngine.screen) != 0)
        return "Fill Screen failed!";
    if (!logo.Draw(INFO_LOGO_X, INFO_LOGO_Y))
        return "Draw Logo failed!";
    if (!DrawVersion())
        return "Draw Version failed!";
    if (!DrawLines())
        return "Draw Info failed!";
    if (FlipScreen(gEngine.screen) != 0)
        return "Flip screen failed!";
    return nullptr;
}

bool InfoScreen()
{
    Sprite logo;
    gEngine.Log(2, "Info called...");
    if (!logo.Load(INFO_LOGO_PICTURE)) {
        gEngine.Log(2, "Load Logo failed!");
        return false;
    }
    gEngine.Log(2, "Logo loaded!");
    bool leave = false;
    FramePacer pacer(FRAME_PERIOD_MENU_MS);
    FrameLook look;
    for (;;) {
        if (const char* failure = InfoFrame(logo, look, &leave)) {
            gEngine.Log(2, "%s", failure);
            return leave;  // a user who asked to leave is not kept by a failing frame
        }
        if (leave)
            return true;
        pacer.Wait();
    }
}
