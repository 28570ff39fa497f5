// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The one screen loop, running a screen that only counts what the loop asks of it.
#include "core/screen.h"

#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/gamepads.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

// Ends after its last frame; a step fails at the failing one, with a line that is no format (its '%'
// kept); the look changes every other frame; a step sees whether pad 0's A is held.
constexpr const char* STEP_FAILED = "Step failed: 100% of %s";
struct Probe : Screen {
    void HandleEvent(const SDL_Event& event) override { taken.push_back(event.type); }
    bool Step() override
    {
        sawA = gGamepads.Held(0, GAMEPAD_A);
        return ++steps != failing || Fail("%s", STEP_FAILED);
    }
    void AddLook(FrameLook& look) const override { look.Add(steps / 2); }
    bool Draw() override { return ++drawn > 0; }
    bool Done() const override { return steps == last; }

    int last = 1, failing = 0, steps = 0, drawn = 0;
    bool sawA = false;
    std::vector<int> taken;
};

static bool RunProbe(Probe& probe, FrameEvents events, FrameClosed closed = FRAME_CLOSED_ENDS,
                     FrameDrawing drawing = FRAME_DRAWS_CHANGES, FramePads pads = FRAME_PADS_LET_GO)
{
    FrameRules rules = {FRAME_PERIOD_MS, events,         FRAME_END_AT_ONCE,
                        drawing,         "Flip failed!", closed};
    rules.pads = pads;
    return RunScreen(probe, rules);
}

// Keys, a closed window and keys again wait for a screen of three frames: its rules say which
// events the loop takes and which it leaves queued, and what the closed window means (the screen
// ends after the frame, fails before its step, or goes on to its own end). The loop notes it for
// every screen that took it; its line is logged at level 1, or by Fail. The look goes 0, 1, 1: the
// third frame looks as the one shown and is kept, not drawn, unless the screen draws every frame.
// Every frame ends, kept or drawn. A pad's A held from before the screen counts there only once
// pressed again, unless the screen's rules keep the pads as they are.
TEST(RunScreen, TakesTheEventsItsRulesSayAClosedWindowMeansWhatTheySayAndAKeptFrameIsNotDrawn)
{
    StartHeadlessEngine();
    FakeClock clock;  // no refresh falls due
    const int K = SDL_KEYDOWN, Q = SDL_QUIT;
    const FrameDrawing CHANGES = FRAME_DRAWS_CHANGES, ALWAYS = FRAME_DRAWS_ALWAYS;
    const FramePads LET_GO = FRAME_PADS_LET_GO, KEPT = FRAME_PADS_KEPT;
    const struct {
        FrameEvents events;
        FrameClosed closed;
        FrameDrawing drawing;
        FramePads pads;
        std::vector<int> taken, queued;
        bool ended;  // what RunScreen returns
        int steps, drawn, level;
    } cases[] = {
        {FRAME_EVENTS_NONE, FRAME_CLOSED_ENDS, CHANGES, LET_GO, {}, {K, Q, K}, true, 3, 2, 0},
        {FRAME_EVENTS_UNTIL_CLOSED, FRAME_CLOSED_ENDS, CHANGES, KEPT, {K, Q}, {K}, true, 1, 1, 1},
        {FRAME_EVENTS_ALL, FRAME_CLOSED_ENDS, ALWAYS, LET_GO, {K, Q, K}, {}, true, 1, 1, 1},
        {FRAME_EVENTS_ALL, FRAME_CLOSED_FAILS, CHANGES, KEPT, {K, Q, K}, {}, false, 0, 0, 2},
        {FRAME_EVENTS_ALL, FRAME_CLOSED_NOTED, ALWAYS, KEPT, {K, Q, K}, {}, true, 3, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "events " << c.events << ", closed " << c.closed);
        DrainEvents();
        PushKeyDown(SDLK_a), PushQuit(), PushKeyDown(SDLK_b);
        HoldPad({SDL_JOYBUTTONDOWN, 0, 0}, false);
        gGamepads.Poll();  // let go, as after any screen
        HoldPad({SDL_JOYBUTTONDOWN, 0, 0});
        gGamepads.Poll();
        LogSink log;
        FrameScript script([](int) {});
        Probe probe;
        probe.last = 3;
        EXPECT_EQ(RunProbe(probe, c.events, c.closed, c.drawing, c.pads), c.ended);
        std::vector<int> queued;
        for (SDL_Event event; SDL_PollEvent(&event);)
            queued.push_back(event.type);
        EXPECT_EQ(std::tuple(probe.taken, queued, probe.WindowClosed(), probe.sawA),
                  std::tuple(c.taken, c.queued, c.level != 0, c.pads == KEPT && c.steps > 0));
        EXPECT_EQ(std::vector({probe.steps, script.Frames(), probe.drawn}),
                  std::vector({c.steps, c.steps, c.drawn}));
        EXPECT_EQ(log.All(),
                  c.level ? std::to_string(c.level) + " user killed window! - exit\n" : "");
    }
    ReleaseAllKeys();
}

// A failed step ends the screen at once. However deep in a step it is asked for, another screen
// refuses at once and fails that step.
TEST(RunScreen, AFailedStepEndsItAtOnceAndNoScreenRunsInsideAStep)
{
    StartHeadlessEngine();
    LogSink log;
    Probe probe;
    probe.last = 10, probe.failing = 3;
    EXPECT_FALSE(RunProbe(probe, FRAME_EVENTS_ALL));
    EXPECT_EQ(std::vector({probe.steps, probe.drawn}), std::vector({3, 2}));
    EXPECT_EQ(log.Count(STEP_FAILED), 1);

    struct Nesting : Probe {
        bool Step() override { return Probe::Step() && RunProbe(inner, FRAME_EVENTS_ALL); }
        Probe inner;
    } outer;
    EXPECT_FALSE(RunProbe(outer, FRAME_EVENTS_ALL));
    EXPECT_EQ(std::vector({outer.steps, outer.drawn, outer.inner.steps}), std::vector({1, 0, 0}));
    EXPECT_EQ(log.Count(SCREEN_INSIDE_STEP_LINE), 1);
    EXPECT_TRUE(RunProbe(outer.inner, FRAME_EVENTS_ALL));  // after the step, screens run again
}

TEST(FramePacer, SleepsWhatTheFrameLeftAndNeverMakesUpForALateOne)
{
    // Frames end at 1003 (5 ms of work), 1016 (exactly on time), 1030 (14 ms late), then early
    // again; the deadlines follow 1008, 1016, 1024, then 1038 from the late frame on.
    const std::pair<Uint32, Uint32> steps[] = {{1003, 5}, {1016, 0}, {1030, 0},
                                               {1031, 7}, {1046, 0}, {1047, 7}};
    FakeClock clock(1000);
    FramePacer pacer;
    for (const auto& [now, sleep] : steps)
        EXPECT_EQ(pacer.Due(now), sleep) << "at " << now;

    // Across the wrap of the tick counter.
    clock.Set(0xFFFFFFFCu);
    FramePacer wrapping;
    EXPECT_EQ(wrapping.Due(0xFFFFFFFEu), 6u);
    EXPECT_EQ(wrapping.Due(2u), 10u);
}
