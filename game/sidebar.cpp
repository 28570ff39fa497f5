// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/sidebar.h"

#include "core/engine.h"
#include "game/tumblo_engine.h"
#include "media/text_engine.h"

static bool Failed(const char* message)
{
    freeMain->Log(2, "%s", message);
    return false;
}

bool DrawSidebar(int x, int y, int level, TumbloEngine* engine, TextEngine* font)
{
    if (!font || !engine)
        return false;
    if (level != SIDEBAR_NO_LEVEL && !font->PutStringF(x, y, "Level %i", level))
        return Failed("Draw Level failed!");
    if (!font->PutStringF(x, y + SIDEBAR_LINE_STEP, "Score %i", engine->GetScore()))
        return Failed("Draw Score failed!");
    if (!font->PutStringF(x, y + 2 * SIDEBAR_LINE_STEP, "Lines %i", engine->GetLines()))
        return Failed("Draw Lines failed!");
    if (!font->PutStringF(x, y + 3 * SIDEBAR_LINE_STEP, "Next"))
        return Failed("Draw Next Label failed!");
    if (!engine->DrawNext(x + SIDEBAR_NEXT_X, y + SIDEBAR_NEXT_Y))
        return Failed("Draw Next failed!");
    return true;
}
