// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/frame_look.h"

#include <gtest/gtest.h>

TEST(FrameLook, DrawsTheFirstFrameEachChangeAndARefreshButKeepsRepeats)
{
    struct Step {
        Uint32 now;
        std::vector<int64_t> shows;
        bool drawn;
    };
    const Step steps[] = {
        {1000, {1, 2}, true},     // nothing shown yet
        {1008, {1, 2}, false},    // the same again
        {1016, {1, 3}, true},     // one value changed
        {1024, {3, 1}, true},     // the same values in another place
        {1032, {3, 1}, false},    // still the same
        {1273, {3, 1}, false},    // 249 ms after the last drawing
        {1274, {3, 1}, true},     // the refresh
        {1282, {3, 1, 0}, true},  // one thing more shown, even a zero
    };
    FrameLook look;
    for (const Step& step : steps) {
        for (int64_t value : step.shows)
            look.Add(value);
        EXPECT_EQ(look.NeedsDrawing(step.now), step.drawn) << "at " << step.now;
    }
}
