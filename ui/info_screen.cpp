// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/info_screen.h"

#include "core/engine.h"
#include "core/frame_pacer.h"
#include "core/page_edge.h"
#include "core/screen.h"
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

// Kept on purpose: "Crypted" and "Hompage", as players have always read the screen.
static const InfoLine INFO_LINES[] = {
    {10, 160, "Kolvo is a development of Mossbrook"},
    {10, 200, "Features are:"},
    {10, 240, "Programmed completely portable"},
    {10, 280, "Crypted Highscore"},
    {10, 320, "Challenge: F1 and F2 let the computer play"},
    // The home page of the package metadata, without "https://www.", which would run the line
    // past the right edge of the screen.
    {10, 360, "Please visit our Hompage mossbrook.example/kolvo"},
    {10, 420, "Press Enter to Return"},
};

static const FrameRules INFO_FRAME = {
    FRAME_PERIOD_MENU_MS,         FRAME_EVENTS_ALL,      FRAME_END_AT_ONCE,
    FRAME_DRAWS_CHANGES,          "Flip screen failed!", FRAME_CLOSED_ENDS,
    "user killed window! - exit", "Fill Screen failed!", FRAME_PADS_UNREAD};

// Nothing on the screen changes, so after the first frame only the refreshes are drawn.
class InfoPage : public Screen {
public:
    // Any key asks to leave, and a closed window (the loop ends the screen). Each key is logged.
    // Kept on purpose: "user exits!" in lower case here, as log readers know it.
    void HandleEvent(const SDL_Event& event) override
    {
        if (event.type != SDL_KEYDOWN)
            return;
        gEngine.Log(2, "user exits!");
        leave = true;
    }
    bool Step() override { return true; }
    void AddLook(FrameLook&) const override {}
    bool Draw() override;
    bool Done() const override { return leave; }

    Sprite logo;
    bool leave = false;
};

bool InfoPage::Draw()
{
    if (!logo.Draw(INFO_LOGO_X, INFO_LOGO_Y))
        return Fail("Draw Logo failed!");
    DrawVersion();
    for (const InfoLine& line : INFO_LINES)
        gWhiteFont.PutStringF(line.x, line.y, "%s", line.text);
    return true;
}

bool InfoScreen()
{
    InfoPage page;
    gEngine.Log(2, "Info called...");
    if (!page.logo.Load(INFO_LOGO_PICTURE))
        return Fail("Load Logo failed!");
    gEngine.Log(2, "Logo loaded!");
    ShowPageControls(PAGE_RETURN);
    RunScreen(page, INFO_FRAME);
    return page.leave ||
           page.WindowClosed();  // a user who asked to leave is not kept by a failing frame
}
