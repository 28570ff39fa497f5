// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/highscore_screen.h"

#include "core/engine.h"
#include "core/frame.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/ticks.h"
#include "highscore/highscore_list.h"
#include "media/text_engine.h"
#include "ui/version.h"

#include <cstdio>

// The table: four columns, a head row, then one row per place.
constexpr int HIGHSCORE_COLUMNS = 4;
constexpr int HIGHSCORE_COLUMN_TIME = 2;
constexpr int HIGHSCORE_HEAD_Y = 10;
constexpr int HIGHSCORE_FIRST_ROW_Y = 70;
constexpr int HIGHSCORE_ROW_HEIGHT = 30;
// A leave key held for less than this since the screen opened still belongs to the screen before.
constexpr Uint32 HIGHSCORE_LEAVE_GUARD_MS = 500;
constexpr int HIGHSCORE_CELL_SIZE = 64;

static const int HIGHSCORE_COLUMN_X[] = {10, 180, 340, 540};
static const char* const HIGHSCORE_HEADS[] = {"Name", "Level", "Time", "Points"};
static const char* const HIGHSCORE_EMPTY_ROW[] = {"Nobody", "0", "0:0", "0"};
static const char* const HIGHSCORE_CELL_FAILURES[] = {"Draw Name failed!", "Draw Level failed!",
                                                      "Draw Time failed!", "Draw points failed!"};
static_assert(sizeof HIGHSCORE_COLUMN_X / sizeof HIGHSCORE_COLUMN_X[0] == HIGHSCORE_COLUMNS, "");
static_assert(sizeof HIGHSCORE_HEADS / sizeof HIGHSCORE_HEADS[0] == HIGHSCORE_COLUMNS, "");
static_assert(sizeof HIGHSCORE_EMPTY_ROW / sizeof HIGHSCORE_EMPTY_ROW[0] == HIGHSCORE_COLUMNS, "");
static_assert(sizeof HIGHSCORE_CELL_FAILURES / sizeof HIGHSCORE_CELL_FAILURES[0] ==
                  HIGHSCORE_COLUMNS,
              "");

using HighscoreRow = char[HIGHSCORE_COLUMNS][HIGHSCORE_CELL_SIZE];

// Logs the message of a failed step; the false is the step's result.
static bool Fail(const char* message)
{
    gEngine.Log(2, "%s", message);
    return false;
}

static void LoadList(HighscoreList* list)
{
    gEngine.Log(2, "Highscore called...");
    gEngine.Log(2, "Load file...");
    if (list->Load(HIGHSCORE_FILE, HighscoreKey))
        gEngine.Log(2, "Load done!");
    else
        gEngine.Log(2, "Open Highscore failed!");
    if (list->Count() > HIGHSCORE_PLACES)
        list->Truncate(HIGHSCORE_PLACES);
}

// A closed window asks to leave; every other event is dropped.
static void PollEvents(bool* leave)
{
    while (SDL_PollEvent(&gEvent)) {
        if (gEvent.type == SDL_QUIT) {
            gEngine.Log(1, "user killed window! - exit");
            *leave = true;
        }
    }
}

static void CheckLeaveKeys(Uint32* startTick, bool* leave)
{
    const Uint8* keys = gEngine.keys;
    if (!keys[SDLK_RETURN] && !keys[SDLK_SPACE] && !keys[SDLK_ESCAPE])
        return;
    if (Ticks() - *startTick <= HIGHSCORE_LEAVE_GUARD_MS)
        return;
    *startTick = Ticks();
    gEngine.Log(2, "User exits!");
    *leave = true;
}

static bool DrawHeads()
{
    for (int column = 0; column < HIGHSCORE_COLUMNS; ++column)
        if (!gWhiteFont.PutString(HIGHSCORE_COLUMN_X[column], HIGHSCORE_HEAD_Y,
                                  HIGHSCORE_HEADS[column]))
            return Fail("Draw Highscore head failed!");
    return true;
}

// Minutes and seconds without padding: 65 seconds read 1:5.
static void FormatRow(const HighscoreEntry* entry, HighscoreRow cells)
{
    if (!entry) {
        for (int column = 0; column < HIGHSCORE_COLUMNS; ++column)
            snprintf(cells[column], HIGHSCORE_CELL_SIZE, "%s", HIGHSCORE_EMPTY_ROW[column]);
        return;
    }
    snprintf(cells[0], HIGHSCORE_CELL_SIZE, "%s", entry->name);
    snprintf(cells[1], HIGHSCORE_CELL_SIZE, "%i", entry->level);
    snprintf(cells[2], HIGHSCORE_CELL_SIZE, "%i:%i", entry->playTime / 60, entry->playTime % 60);
    snprintf(cells[3], HIGHSCORE_CELL_SIZE, "%i", entry->points);
}

// False stops the rows for this frame, not the screen.
static bool DrawRow(int row, const HighscoreEntry* entry)
{
    HighscoreRow cells;
    FormatRow(entry, cells);
    const int y = HIGHSCORE_FIRST_ROW_Y + HIGHSCORE_ROW_HEIGHT * (row - 1);
    for (int column = 0; column < HIGHSCORE_COLUMNS; ++column) {
        // A stored time below one second is damage the table refuses to show.
        if (column == HIGHSCORE_COLUMN_TIME && entry && entry->playTime < 1)
            return Fail("Divide by 0 error!");
        if (!gWhiteFont.PutString(HIGHSCORE_COLUMN_X[column], y, cells[column]))
            return Fail(HIGHSCORE_CELL_FAILURES[column]);
    }
    return true;
}

static void DrawRows(HighscoreList* list)
{
    for (int row = 1; row <= HIGHSCORE_PLACES; ++row)
        if (!DrawRow(row, list->GetEntry(row)))
            return;
}

// One frame; false when a step failed and the screen must end. The list does not change while it
// is shown, so after the first frame only the refreshes are drawn.
static bool RunFrame(HighscoreList* list, FrameLook* look, Uint32* startTick, bool* leave)
{
    PollEvents(leave);
    CheckLeaveKeys(startTick, leave);
    if (look->Keeps(Ticks()))
        return true;
    if (ClearScreen(gEngine.screen) != 0)
        return Fail("Fill Screen failed!");
    if (!DrawHeads())
        return false;
    DrawRows(list);
    if (!DrawVersion())
        return Fail("Draw Version failed!");
    if (FlipScreen(gEngine.screen) != 0)
        return Fail("Flip screen failed!");
    return true;
}

bool ShowHighscore()
{
    HighscoreList list;
    LoadList(&list);
    Uint32 startTick = Ticks();
    FramePacer pacer(FRAME_PERIOD_MENU_MS);
    FrameLook look;
    bool leave = false;
    gEngine.Log(2, "Enter inner mainloop...");
    // The frame in which the player asks to leave is still drawn and shown.
    while (RunFrame(&list, &look, &startTick, &leave) && !leave)
        pacer.Wait();
    return leave;
}
