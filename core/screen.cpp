// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/screen.h"

#include "core/engine.h"
#include "core/engine_edge.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/gamepads.h"
#include "core/termination.h"
#include "core/ticks.h"

#include <algorithm>

static FrameHook frameHook;
// Whether a screen's Step is running. A screen runs only after the one before it, never inside its
// step (HACKING.md), however deep the call that would start it.
static bool stepping = false;

void SetFrameHook(FrameHook hook)
{
    frameHook = std::move(hook);
}

int ClearScreen(SDL_Surface* screen)
{
    return ClearPixels(screen);
}

bool LosesFocus(const SDL_Event& event)
{
    return TellsFocusLost(event);
}

bool GainsFocus(const SDL_Event& event)
{
    return TellsFocusGained(event);
}

// Every event passes here, in the order SDL queued it. The classic library goes on reading pads
// while another program has the keyboard, so the pads count only while the window has it. A
// closed window is noted here, the one place for every screen.
static void TakeEvents(Screen& screen, const FrameRules& rules)
{
    const FrameEvents events = rules.events;
    SDL_Event event;
    while (events != FRAME_EVENTS_NONE && SDL_PollEvent(&event)) {
        if (LosesFocus(event))
            gGamepads.SetFocus(false);
        else if (GainsFocus(event))
            gGamepads.SetFocus(true);
        if (event.type == SDL_QUIT) {
            screen.NoteWindowClosed();
            if (rules.closed != FRAME_CLOSED_FAILS && rules.closedLine)
                gEngine.Log(1, "%s", rules.closedLine);
        }
        screen.HandleEvent(event);
        if (event.type == SDL_QUIT && events == FRAME_EVENTS_UNTIL_CLOSED)
            return;
    }
}

// The end of every frame, presented or kept.
static void EndFrame()
{
    if (frameHook)
        frameHook();
    EndOnTerminationSignal();
}

static bool Clear(const FrameRules& rules)
{
    return ClearScreen(gEngine.screen) == 0 || Fail("%s", rules.clearFailure);
}

// A scaled picture is shown by the engine's scaled screen, anything else by SDL itself. The frame
// ends even when it could not be presented; its failure is logged after that.
static bool Present(const FrameRules& rules)
{
    SDL_Surface* screen = gEngine.screen;
    const bool scaled = screen && screen == gEngine.scaled.Picture();
    const int flipped = scaled ? gEngine.scaled.Present() : SDL_Flip(screen);
    EndFrame();
    return flipped == 0 || Fail("%s", rules.flipFailure);
}

static bool RunFrame(Screen& screen, const FrameRules& rules, FrameLook& look)
{
    if (rules.drawing == FRAME_DRAWS_ALWAYS && !Clear(rules))
        return false;
    TakeEvents(screen, rules);
    gGamepads.Poll();
    if (rules.closed == FRAME_CLOSED_FAILS && screen.WindowClosed())
        return Fail("%s", rules.closedLine);
    stepping = true;
    const bool stepped = screen.Step();
    stepping = false;
    if (!stepped)
        return false;
    if (rules.drawing == FRAME_DRAWS_CHANGES) {
        screen.AddLook(look);
        if (!look.NeedsDrawing(Ticks())) {
            EndFrame();
            return true;
        }
        if (!Clear(rules))
            return false;
    }
    return screen.Draw() && Present(rules);
}

// Long quiet waits are cut to this, so a screen that is wrong about its quiet is seen to be within a
// second rather than never.
constexpr Uint32 SCREEN_QUIET_MAX_MS = 1000;

// Step 6's wait: to the period's deadline, or longer while the screen is quiet and the platform
// wakes on events. A test's clock never sleeps.
static void WaitForFrame(FramePacer& pacer, const Screen& screen, const FrameRules& rules)
{
    if (!TestClockRunning() && gGamepads.Count() == 0) {
        const Uint32 quiet = std::min(screen.QuietFor(Ticks()), SCREEN_QUIET_MAX_MS);
        if (quiet > rules.periodMilliseconds && SleepUntilEvent(quiet)) {
            pacer.Restart();
            return;
        }
    }
    pacer.Wait();
}

static bool Ended(const Screen& screen, const FrameRules& rules)
{
    return screen.Done() || (rules.closed == FRAME_CLOSED_ENDS && screen.WindowClosed());
}

bool RunScreen(Screen& screen, const FrameRules& rules)
{
    if (stepping)
        return Fail("%s", SCREEN_INSIDE_STEP_LINE);
    FramePacer pacer(rules.periodMilliseconds);
    FrameLook look;
    gGamepads.Watch(rules.pads != FRAME_PADS_UNREAD);
    if (rules.pads == FRAME_PADS_LET_GO)
        gGamepads.LetGoAll();
    for (;;) {
        if (!RunFrame(screen, rules, look))
            return false;
        if (rules.end == FRAME_END_AT_ONCE && Ended(screen, rules))
            return true;
        WaitForFrame(pacer, screen, rules);
        if (rules.end == FRAME_END_AFTER_WAIT && Ended(screen, rules))
            return true;
    }
}
