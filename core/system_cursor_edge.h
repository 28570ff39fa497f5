// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_SYSTEM_CURSOR_EDGE_H
#define KOLVO_CORE_SYSTEM_CURSOR_EDGE_H

#include <SDL/SDL.h>

// The system's mouse cursor over the game's window, shown or hidden as SDL_ShowCursor does it,
// but hidden by drawing it blank: SDL 1.2 reads a hidden cursor in a grabbed window (as full
// screen is) as a wish for relative mouse motion, and SDL 1.2 over SDL 2 then follows only a
// mouse that moves by steps, so a pointer placed absolutely (a remote desktop, a touchscreen, a
// tablet) would move nothing and click at a stale place. A blank cursor keeps the library
// following the pointer where it is, in full screen as in a window.
class SystemCursor {
public:
    SystemCursor() = default;
    ~SystemCursor() { Close(); }
    SystemCursor(const SystemCursor&) = delete;
    SystemCursor& operator=(const SystemCursor&) = delete;

    // 1 shows the cursor, 0 hides it, -1 only asks; returns 1 when it was shown before, 0 when
    // hidden, as SDL_ShowCursor does. Needs SDL's video. Where no blank cursor can be made, the
    // cursor is hidden with SDL_ShowCursor itself.
    int Show(int toggle);
    // Frees the blank cursor, giving SDL its own back; before SDL's video quits.
    void Close();

private:
    SDL_Cursor* blank = nullptr;
    SDL_Cursor* shown = nullptr;  // SDL's, never freed here
    bool hidden = false;
};

#endif
