// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/highscore_screen.h"

#include "core/engine.h"
#include "core/frame_pacer.h"
#include "core/gamepads.h"
#include "core/page_edge.h"
#include "core/screen.h"
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

static const int HIGHSCORE_COLUMN_X[HIGHSCORE_COLUMNS] = {10, 180, 340, 540};
static const char* const HIGHSCORE_HEADS[HIGHSCORE_COLUMNS] = {"Name", "Level", "Time", "Points"};
static const char* const HIGHSCORE_EMPTY_ROW[HIGHSCORE_COLUMNS] = {"Nobody", "0", "0:0", "0"};

using HighscoreRow = char[HIGHSCORE_COLUMNS][HIGHSCORE_CELL_SIZE];

static const FrameRules HIGHSCORE_FRAME = {FRAME_PERIOD_MENU_MS, FRAME_EVENTS_ALL,
                                           FRAME_END_AT_ONCE, FRAME_DRAWS_CHANGES,
                                           "Flip screen failed!"};

// The list does not change while it is shown, so after the first frame only the refreshes are
// drawn. The frame in which the player asks to leave is still drawn and shown.
class HighscorePage : public Screen {
public:
    // Keys are read as they are held; a closed window leaves (the loop ends the screen).
    void HandleEvent(const SDL_Event&) override {}
    bool Step() override;
    void AddLook(FrameLook&) const override {}
    bool Draw() override;
    bool Done() const override { return leave; }

    HighscoreList list;
    Uint32 startTick = 0;
    bool leave = false;
};

static void LoadList(HighscoreList* list)
{
    gEngine.Log(2, "Highscore called...");
    gEngine.Log(2, "Load file...");
    if (list->Load(HIGHSCORE_FILE, HIGHSCORE_KEY))
        gEngine.Log(2, "Load done!");
    else
        gEngine.Log(2, "Open Highscore failed!");
    if (list->Count() > HIGHSCORE_PLACES)
        list->Truncate(HIGHSCORE_PLACES);
}

// Return, Space or Escape held leave, or a pad's A or Start as Return and Back as Escape, once the
// guard has passed.
bool HighscorePage::Step()
{
    if (!ReturnHeld() && !KeyOrPadHeld(SDLK_SPACE, GAMEPAD_ANY, GAMEPAD_A) &&
        !KeyOrPadHeld(SDLK_ESCAPE, GAMEPAD_ANY, GAMEPAD_BACK))
        return true;
    if (Ticks() - startTick <= HIGHSCORE_LEAVE_GUARD_MS)
        return true;
    startTick = Ticks();
    gEngine.Log(2, "User exits!");
    leave = true;
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
        // A stored time below one second is damage the table refuses to show. Kept on purpose: the
        // line names the division the time once needed; log readers know it by that name, and it
        // is logged again on every frame drawn.
        if (column == HIGHSCORE_COLUMN_TIME && entry && entry->playTime < 1)
            return Fail("Divide by 0 error!");
        gWhiteFont.PutString(HIGHSCORE_COLUMN_X[column], y, cells[column]);
    }
    return true;
}

bool HighscorePage::Draw()
{
    for (int column = 0; column < HIGHSCORE_COLUMNS; ++column)
        gWhiteFont.PutString(HIGHSCORE_COLUMN_X[column], HIGHSCORE_HEAD_Y, HIGHSCORE_HEADS[column]);
    for (int row = 1; row <= HIGHSCORE_PLACES; ++row)
        if (!DrawRow(row, list.GetEntry(row)))
            break;
    DrawVersion();
    return true;
}

bool ShowHighscore()
{
    HighscorePage page;
    LoadList(&page.list);
    page.startTick = Ticks();
    gEngine.Log(2, "Enter inner mainloop...");
    ShowPageControls(PAGE_RETURN);
    RunScreen(page, HIGHSCORE_FRAME);
    return page.leave || page.WindowClosed();
}
