// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Gamepads, HoldWhatTheEventsInSDLsQueueSay)
{
    StartHeadlessEngine();
    const unsigned L = 1 << GAMEPAD_LEFT, R = 1 << GAMEPAD_RIGHT, U = 1 << GAMEPAD_UP,
                   D = 1 << GAMEPAD_DOWN, A = 1 << GAMEPAD_A, B = 1 << GAMEPAD_B,
                   BACK = 1 << GAMEPAD_BACK, START = 1 << GAMEPAD_START;
    // Events as type, pad, axis/hat/button number and value; what pads 0 and 1 hold after them.
    const Uint8 AXIS = SDL_JOYAXISMOTION, HAT = SDL_JOYHATMOTION, PRESS = SDL_JOYBUTTONDOWN,
                LET_GO = SDL_JOYBUTTONUP;
    struct Story {
        std::vector<std::vector<int>> events;
        unsigned pad0, pad1;
    };
    const Story stories[] = {
        {{{HAT, 0, 0, SDL_HAT_UP}}, U, 0},
        {{{HAT, 0, 0, SDL_HAT_RIGHTDOWN}}, R | D, 0},
        {{{HAT, 0, 1, SDL_HAT_UP}}, 0, 0},  // a second hat
        {{{AXIS, 0, 0, -GAMEPAD_DEAD_ZONE}}, 0, 0},
        {{{AXIS, 0, 0, -GAMEPAD_DEAD_ZONE - 1}, {AXIS, 0, 1, 20000}}, L | D, 0},
        {{{AXIS, 0, 0, 32767}, {AXIS, 0, 1, -32768}}, R | U, 0},
        {{{AXIS, 0, 0, -30000}, {AXIS, 0, 0, 0}}, 0, 0},
        {{{AXIS, 0, 2, -30000}, {AXIS, 0, 3, 30000}}, 0, 0},  // the right stick
        {{{PRESS, 0, 0}, {PRESS, 0, 1}, {PRESS, 0, 4}, {PRESS, 0, 6}}, A | B | BACK | START, 0},
        {{{PRESS, 0, 11}, {PRESS, 0, 12}, {PRESS, 0, 13}, {PRESS, 0, 14}}, U | D | L | R, 0},
        {{{PRESS, 0, 2}, {PRESS, 0, 3}, {PRESS, 0, 5}, {PRESS, 0, 40}}, 0, 0},  // X, Y, Guide
        {{{PRESS, 0, 0}, {PRESS, 0, 6}, {LET_GO, 0, 0}}, START, 0},
        {{{PRESS, 1, 0}, {HAT, 1, 0, SDL_HAT_LEFT}}, 0, A | L},
        {{{PRESS, GAMEPAD_MAX, 0}}, 0, 0},
    };
    for (const Story& story : stories) {
        Gamepads pads;
        for (const std::vector<int>& e : story.events) {
            SDL_Event event = {};
            event.jaxis = {Uint8(e[0]), Uint8(e[1]), Uint8(e[2]), Sint16(e.size() > 3 ? e[3] : 0)};
            if (e[0] == HAT)
                event.jhat.value = Uint8(e[3]);
            ASSERT_EQ(SDL_PushEvent(&event), 0);
        }
        SDL_Event event;
        while (SDL_PollEvent(&event))
            EXPECT_EQ(pads.Note(event), event.jaxis.which < GAMEPAD_MAX);
        unsigned held[2] = {}, any = 0;
        for (int input = 0; input < GAMEPAD_INPUTS; ++input) {
            for (int pad : {0, 1})
                held[pad] |= pads.Held(pad, GamepadInput(input)) << input;
            any |= pads.AnyHeld(GamepadInput(input)) << input;
        }
        SCOPED_TRACE(testing::Message()
                     << "first event " << story.events[0][0] << " " << story.events[0][2]);
        EXPECT_EQ(held[0], story.pad0);
        EXPECT_EQ(held[1], story.pad1);
        EXPECT_EQ(any, story.pad0 | story.pad1);
        pads.ReleaseAll();
        EXPECT_FALSE(pads.AnyHeld(GAMEPAD_A) || pads.AnyHeld(GAMEPAD_LEFT));
    }
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    EXPECT_FALSE(Gamepads().Note(key));
}
