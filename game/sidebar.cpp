// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/sidebar.h"

#include "core/engine.h"
#include "game/tumblo_engine.h"
#include "media/text_engine.h"

bool DrawSidebar(int x, int y, int level, TumbloEngine& playfield, TextEngine& font)
{
    if (level != SIDEBAR_NO_LEVEL)
        font.PutStringF(x, y, "Level %i", level);
    font.PutStringF(x, y + SIDEBAR_LINE_STEP, "Score %i", playfield.GetScore());
    font.PutStringF(x, y + 2 * SIDEBAR_LINE_STEP, "Lines %i", playfield.GetLines());
    font.PutString(x, y + 3 * SIDEBAR_LINE_STEP, "Next");
    return playfield.DrawNext(x + SIDEBAR_NEXT_X, y + SIDEBAR_NEXT_Y) || Fail("Draw Next failed!");
}
