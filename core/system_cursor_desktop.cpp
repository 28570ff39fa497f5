// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/system_cursor_edge.h"

// SDL 1.2 cursors are whole bytes wide; a clear data and mask bit is a transparent pixel.
constexpr int CURSOR_BLANK_SIZE = 8;

int SystemCursor::Show(int toggle)
{
    const int before = hidden ? 0 : 1;
    if (toggle < 0 || toggle == before)
        return before;
    if (!blank && !shown) {
        static Uint8 clear[CURSOR_BLANK_SIZE * CURSOR_BLANK_SIZE / 8] = {};
        shown = SDL_GetCursor();
        blank = SDL_CreateCursor(clear, clear, CURSOR_BLANK_SIZE, CURSOR_BLANK_SIZE, 0, 0);
    }
    hidden = toggle == 0;
    if (blank && shown)
        SDL_SetCursor(hidden ? blank : shown);
    else
        SDL_ShowCursor(hidden ? 0 : 1);
    return before;
}

void SystemCursor::Close()
{
    if (blank) {
        if (shown)
            SDL_SetCursor(shown);
        SDL_FreeCursor(blank);
    }
    blank = shown = nullptr;
    hidden = false;
}
