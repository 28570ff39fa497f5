// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepad_edge.h"

#include <SDL/SDL.h>
#include <emscripten.h>

// A browser hands every pad over in the standard mapping (its `mapping` says "standard"), and
// emscripten's SDL passes the buttons on in that order; its version (1.3.0) says nothing of it.
bool PadsInStandardMapping()
{
    return true;
}

// emscripten's SDL numbers a pad by its slot in navigator.getGamepads(), which keeps a pad's slot
// while it stays connected and holds null where none is; an empty slot has no name.
bool PadThere(int number)
{
    return SDL_JoystickName(number) != nullptr;
}

// The browser tells of a pad connected (or first pressed, for one that was there before the page
// opened) and of one taken away by events on the window; they are counted here until the game
// asks, once a frame.
// clang-format off
EM_JS(void, ListenForPads, (int listen), {
    var watch = Module['padWatch'] = Module['padWatch'] || {changes: 0};
    watch.note = watch.note || function() { watch.changes++; };
    var change = listen ? window.addEventListener : window.removeEventListener;
    change.call(window, 'gamepadconnected', watch.note);
    change.call(window, 'gamepaddisconnected', watch.note);
    if (listen) watch.changes++;
});

EM_JS(int, TakePadChanges, (), {
    var watch = Module['padWatch'];
    var changes = watch ? watch.changes : 0;
    if (watch) watch.changes = 0;
    return changes;
});
// clang-format on

void WatchPads(bool watch)
{
    ListenForPads(watch ? 1 : 0);
}

bool PadsCameOrWent()
{
    return TakePadChanges() > 0;
}
