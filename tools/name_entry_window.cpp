// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Opens the name entry screen alone, windowed, the way the end of a qualifying game opens it, so
// that its screenshot can be taken from a real window: a score that qualifies needs a cleared row,
// which random stones make hard to reach by remote control. Run it in a directory that holds data/;
// it logs to kolvolog.txt there and prints the confirmed name.
#include "core/engine.h"
#include "core/termination.h"
#include "highscore/name_entry.h"
#include "media/text_engine.h"

#include <cstdio>

static const char TOOL_PROMPT[] = "Enter your name";
constexpr size_t TOOL_NAME_CAPACITY = 100;

int main()
{
    CatchTerminationSignals();  // as the game does: a signal ends the entry in order
    if (!gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "kolvolog.txt"))
        return 1;
    SDL_WM_SetCaption("Kolvo", "Kolvo");
    if (!gWhiteFont.LoadFont("data/grafik/font.bmp"))
        return 1;
    gEngine.cursor.Show(0);
    gEngine.Log(1, "Name entry opened");
    char name[TOOL_NAME_CAPACITY] = "";
    bool confirmed = GetName(TOOL_PROMPT, name, sizeof name);
    printf("%s\n", name);
    return confirmed ? 0 : 1;
}
