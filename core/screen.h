// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_SCREEN_H
#define KOLVO_CORE_SCREEN_H

#include <SDL/SDL.h>

#include <functional>

class FrameLook;

// A screen is anything that shows frames until it is done: the menu, the options, info and
// highscore screens, the name entry, the single game and the challenge, and the phases of some of
// them (the menu's "Loading..." frame, a level banner, "Game Over", the challenge's result). Each
// says what one of its frames does; RunScreen does the rest, the same way for all of them:
//   1. every event SDL has queued goes to HandleEvent, a closed window (SDL_QUIT) too; then the
//      pads are read (gamepads.h), so Step reads pads as it reads keys; a closed window is noted
//      here, once for every screen, and its rules say what it means;
//   2. Step reads the keys held and the pointer and moves the screen on;
//   3. AddLook tells what the frame would show: a frame that would look exactly as the one on
//      screen is kept (see frame_look.h), and steps 4 and 5 are skipped;
//   4. the screen is cleared to black and Draw draws the frame;
//   5. the frame is presented;
//   6. Done asks whether the screen has ended, and the loop waits for the next frame's deadline;
//      where the platform wakes on events (a browser) and no pad is open (pads are read, not
//      heard), for as long as the screen is quiet (QuietFor), if that is longer.
// Step and Draw return false when a step failed, after logging one line with Fail (engine.h); the
// loop then ends at once. The screen keeps whatever result it returns to its caller.
class Screen {
public:
    virtual ~Screen() = default;
    virtual void HandleEvent(const SDL_Event& event) = 0;
    virtual bool Step() = 0;
    virtual void AddLook(FrameLook& look) const = 0;
    virtual bool Draw() = 0;
    virtual bool Done() const = 0;
    // For how many milliseconds from now the screen's frames would change nothing, on screen or
    // off, unless an event comes: no rule is due and nothing moves by itself. 0 (the default):
    // any frame may; TICKS_QUIET_FOREVER: only events change it. Where the platform wakes on
    // events, the loop sleeps that long instead of running frames that do nothing (step 6).
    virtual Uint32 QuietFor(Uint32 /*now*/) const { return 0; }

    // Whether a closed window was noted while the screen ran (RunScreen notes it).
    bool WindowClosed() const { return windowClosed; }
    void NoteWindowClosed() { windowClosed = true; }  // the screen loop's

private:
    bool windowClosed = false;
};

// Which events a screen's frames take.
enum FrameEvents {
    FRAME_EVENTS_NONE,  // none: they stay queued for the screen that follows
    // Every one up to a closed window: the events behind it stay queued for whoever polls next.
    FRAME_EVENTS_UNTIL_CLOSED,
    FRAME_EVENTS_ALL,  // every one
};

// When a screen that is done is left: right after the frame that finished it, or after that
// frame's wait, so that whatever follows starts on the next deadline (the menu and the game modes).
enum FrameEnd { FRAME_END_AT_ONCE, FRAME_END_AFTER_WAIT };

// Which frames are drawn.
enum FrameDrawing {
    FRAME_DRAWS_CHANGES,  // a frame that would look as the one on screen is kept
    // Every frame is cleared before its events, drawn and presented: the screen cannot tell its
    // look without drawing it (the name entry, whose cursor blinks as it is drawn).
    FRAME_DRAWS_ALWAYS,
};

// What a closed window means to a screen. Whatever it means, the screen's WindowClosed() is true
// from the frame that took it on.
enum FrameClosed {
    // The screen ends after the frame that took it, which plays on to its end; a pressed button in
    // the same frame still counts. Its result is the one it would have without that frame's steps.
    FRAME_CLOSED_ENDS,
    FRAME_CLOSED_FAILS,  // the frame fails before its step, logging the closed line with Fail
    FRAME_CLOSED_NOTED,  // nothing but the line: the screen decides itself, by WindowClosed()
};

// What becomes of the pads when a screen begins.
enum FramePads {
    // Every pad is let go: what one holds counts only once released and pressed again, so a press
    // that ended the screen before cannot act on this one (gamepads.h).
    FRAME_PADS_LET_GO,
    FRAME_PADS_KEPT,  // as they are: a screen that follows play at once ("Game Over")
    // The screen reads no pad (the menu, the options and info screens): nothing watches for pads
    // coming and going meanwhile, which a browser polls for (gamepads.h, Watch).
    FRAME_PADS_UNREAD,
};

// How RunScreen runs one screen: only what differs between screens.
struct FrameRules {
    Uint32 periodMilliseconds;  // FRAME_PERIOD_MS or FRAME_PERIOD_MENU_MS (frame_pacer.h)
    FrameEvents events;
    FrameEnd end;
    FrameDrawing drawing;
    const char* flipFailure;  // the line a frame that cannot be presented logs
    FrameClosed closed = FRAME_CLOSED_ENDS;
    // What a closed window logs: at level 1 for every one taken, or with Fail where it fails the
    // frame; null logs nothing.
    const char* closedLine = "user killed window! - exit";
    const char* clearFailure = "Fill Screen failed!";
    FramePads pads = FRAME_PADS_LET_GO;
};

// Runs the screen's frames, paced to the rules' period, until Done. True when the screen ended;
// false when a step, the clear or the flip failed, its line logged at level 2. Entered while a
// screen's Step runs, it refuses at once with SCREEN_INSIDE_STEP_LINE and runs nothing.
bool RunScreen(Screen& screen, const FrameRules& rules);
constexpr const char* SCREEN_INSIDE_STEP_LINE =
    "RunScreen refused: a screen never runs inside a Step";

// Sets every pixel of the screen to the value 0 (black), the quickest way the platform has
// (engine_edge.h: on the desktop the C library's memset, which the classic SDL 1.2's SDL_FillRect
// takes five times longer than; in a browser the canvas's own). Returns 0, or -1 when it cannot.
int ClearScreen(SDL_Surface* screen);

// Whether the event says the window lost the keyboard focus or was minimised (the pointer merely
// leaving it does not count; in a browser: the page lost the focus or is hidden). No pad counts from then until the focus comes back, on every screen;
// the game modes pause on it as well.
bool LosesFocus(const SDL_Event& event);
// Whether the event says the window has the keyboard focus again, or is shown again after being
// minimised (a window restored without the focus gets it back with the next click).
bool GainsFocus(const SDL_Event& event);

// A test installs a hook that runs at the end of every frame, presented or kept, to script keys,
// events and time frame by frame. A termination signal noted meanwhile ends the process there too
// (see termination.h).
using FrameHook = std::function<void()>;
void SetFrameHook(FrameHook hook);  // an empty hook removes it

#endif
