// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

// What the game modes' tests leave out: the edge of the dead zone, what neither layout reads, the
// classic library's layout, and which library gets which.
TEST(Gamepads, HoldWhatTheEventsInSDLsQueueSayInTheLayoutOfTheLibrary)
{
    StartHeadlessEngine();
    const Uint8 AXIS = SDL_JOYAXISMOTION, HAT = SDL_JOYHATMOTION, PUSH = SDL_JOYBUTTONDOWN;
    const GamepadLayout CTRL = GAMEPAD_LAYOUT_CONTROLLER, DEV = GAMEPAD_LAYOUT_DEVICE;
    const unsigned DIRECTIONS = (1 << GAMEPAD_A) - 1, EVERY = (1 << GAMEPAD_INPUTS) - 1;
    const std::tuple<GamepadLayout, unsigned, std::vector<PadInput>> stories[] = {
        // clang-format off
        {CTRL, 0, {{HAT, 0, 1, SDL_HAT_UP}, {AXIS, 0, 2, -30000}, {AXIS, 0, 0, GAMEPAD_DEAD_ZONE},
            {PUSH, 0, 2}, {PUSH, 0, 3}, {PUSH, 0, 5}, {PUSH, 0, 40}, {PUSH, GAMEPAD_MAX, 0}}},
        {CTRL, DIRECTIONS, {{PUSH, 0, 11}, {PUSH, 0, 12}, {PUSH, 0, 13}, {PUSH, 0, 14}}},
        {DEV, EVERY, {{PUSH, 0, 0}, {PUSH, 0, 1}, {PUSH, 0, 6}, {PUSH, 0, 7}, {AXIS, 0, 1, -32768},
            {HAT, 0, 0, SDL_HAT_RIGHTDOWN}, {AXIS, 0, 0, -GAMEPAD_DEAD_ZONE - 1}}},
        {DEV, 0, {{PUSH, 0, 4}, {PUSH, 0, 8}, {PUSH, 0, 11}, {PUSH, 0, 14}}},
        // clang-format on
    };
    for (const auto& [layout, expected, inputs] : stories) {
        Gamepads pads(layout);
        for (const PadInput& input : inputs)
            HoldPad(input);
        for (SDL_Event event; SDL_PollEvent(&event);)
            EXPECT_EQ(pads.Note(event), event.jaxis.which < GAMEPAD_MAX);
        unsigned held = 0;
        for (int input = 0; input < GAMEPAD_INPUTS; ++input)
            held |= pads.Held(0, GamepadInput(input)) << input;
        EXPECT_EQ(held, expected) << layout << " " << inputs[0].number;
    }
    // Only SDL 1.2 over SDL 2 (1.2.50 on) knows the setting, and reads it as a number.
    for (auto [patch, setting, layout] : {std::tuple{15, "1", DEV},
                                          {50, "1", CTRL},
                                          {60, "2", CTRL},
                                          {60, "0", DEV},
                                          {60, "yes", DEV},
                                          {60, nullptr, DEV}})
        EXPECT_EQ(ChooseGamepadLayout({1, 2, Uint8(patch)}, setting), layout) << patch;
}
