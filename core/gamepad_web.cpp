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
EM_JS(int, TakePadChanges, (), {
    var watch = Module['padWatch'];
    if (!watch) {
        watch = Module['padWatch'] = {changes: 0};
        var note = function() { watch.changes++; };
        window.addEventListener('gamepadconnected', note);
        window.addEventListener('gamepaddisconnected', note);
    }
    var changes = watch.changes;
    watch.changes = 0;
    return changes;
});
// clang-format on

bool PadsCameOrWent()
{
    return TakePadChanges() > 0;
}
