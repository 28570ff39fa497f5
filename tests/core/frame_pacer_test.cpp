// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/frame_pacer.h"

#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

TEST(FramePacer, SleepsWhatTheFrameLeftAndNeverMakesUpForALateOne)
{
    struct Step {
        Uint32 now;
        Uint32 sleep;
    };
    // Frames end at 1003 (5 ms of work), 1016 (exactly on time), 1030 (14 ms late), then early
    // again; the deadlines follow 1008, 1016, 1024, then 1038 from the late frame on.
    const Step steps[] = {{1003, 5}, {1016, 0}, {1030, 0}, {1031, 7}, {1046, 0}, {1047, 7}};
    FakeClock clock(1000);
    FramePacer pacer;
    for (const Step& step : steps)
        EXPECT_EQ(pacer.Due(step.now), step.sleep) << "at " << step.now;

    // Across the wrap of the tick counter.
    clock.Set(0xFFFFFFFCu);
    FramePacer wrapping;
    EXPECT_EQ(wrapping.Due(0xFFFFFFFEu), 6u);
    EXPECT_EQ(wrapping.Due(2u), 10u);
}
