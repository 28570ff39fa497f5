// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/system_cursor_edge.h"

#include <emscripten.h>

// A browser's cursor over the canvas is the page's to set: hidden, it is none there (emscripten's
// SDL_ShowCursor would lock the pointer in full screen instead and leave it shown in a window).
// No SDL cursor is made: `blank` and `shown` stay null.
// clang-format off
EM_JS(void, SetCanvasCursor, (int hidden), {
    Module['canvas'].style.cursor = hidden ? "none" : "";
});
// clang-format on

int SystemCursor::Show(int toggle)
{
    const int before = hidden ? 0 : 1;
    if (toggle < 0 || toggle == before)
        return before;
    hidden = toggle == 0;
    SetCanvasCursor(hidden ? 1 : 0);
    return before;
}

void SystemCursor::Close()
{
    if (hidden)
        SetCanvasCursor(0);
    blank = shown = nullptr;
    hidden = false;
}
