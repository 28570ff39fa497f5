// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine_edge.h"

#include <emscripten.h>

// emscripten's SDL keeps the held keys under SDL 1.3's name, indexed by its own key symbols: a
// character's code, or a special key's scan code plus 1024 (Left is 1104), which is exactly what
// its SDLK_ constants say. So the game's keys[SDLK_LEFT] reads the arrow as on SDL 1.2.
Uint8* HeldKeys()
{
    return SDL_GetKeyboardState(nullptr);
}

// The canvas keeps what was drawn on it; nothing is ever exposed.
void WatchExposure(void (*)()) {}

// emscripten's SDL sends a window event when the page loses or gains the focus (blur, focus) and
// when it is hidden or shown (another tab, a minimised window).
bool TellsFocusLost(const SDL_Event& event)
{
    return event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                                             event.window.event == SDL_WINDOWEVENT_HIDDEN);
}

bool TellsFocusGained(const SDL_Event& event)
{
    return event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                                             event.window.event == SDL_WINDOWEVENT_SHOWN);
}

// The listeners are put on once, on the window in the capture phase: they hear the page's keys,
// pointer and touches wherever they land, and the synthetic keys of the touch controls. Not the
// pads' comings and goings: a listener for them keeps the browser polling the pads (gamepads.h,
// Watch), and a screen that reads pads wakes often enough to notice. A wait ends a turn after its
// event, so that every listener of it, emscripten's SDL's too, has queued it by the time the game
// looks.
// clang-format off
EM_ASYNC_JS(void, WaitForEvent, (Uint32 milliseconds), {
    var wait = Module['eventWait'];
    if (!wait) {
        wait = Module['eventWait'] = {end: null};
        var heard = function() { var end = wait.end; if (end) setTimeout(end, 0); };
        ['keydown', 'keyup', 'mousedown', 'mouseup', 'mousemove', 'wheel', 'touchstart', 'touchmove',
         'touchend', 'touchcancel', 'blur', 'focus', 'visibilitychange'].forEach(function(name) {
            addEventListener(name, heard, true);
        });
    }
    // One event may be heard several times (a touch, its mouse event, a key of the controls):
    // an end meant for a wait that is over ends nothing.
    await new Promise(function(resolve) {
        var end = function() {
            if (wait.end !== end) return;
            clearTimeout(timer);
            wait.end = null;
            resolve();
        };
        wait.end = end;
        var timer = setTimeout(end, milliseconds);
    });
});
// clang-format on

bool SleepUntilEvent(Uint32 milliseconds)
{
    WaitForEvent(milliseconds);
    return true;
}

// The canvas clears itself. Locking the screen would read the whole canvas back into memory
// (getImageData) and unlocking it write all of it again (putImageData), at every frame drawn. The
// black is the screen format's own: emscripten's SDL reads a pixel value's top byte as its
// opacity, so the value 0 would paint nothing and leave the last screen's picture showing.
int ClearPixels(SDL_Surface* screen)
{
    return SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
}

bool ShownPictureStays()
{
    return true;
}
