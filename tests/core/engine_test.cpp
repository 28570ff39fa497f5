// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

#include "tests/support/log_sink.h"

#include <gtest/gtest.h>

using namespace ::testing::internal;  // capturing the console

// The process-wide engine starts only once per process: this runs before every other test of the
// program.
TEST(Engine, AStartWithoutItsLogFileStopsBeforeSDL)
{
    CaptureStderr();
    EXPECT_FALSE(gEngine.Init(640, 480, false, "/nonexistent-kolvo-dir/kolvolog.txt"));
    EXPECT_EQ(GetCapturedStderr(), "Couldn't create logfile /nonexistent-kolvo-dir/kolvolog.txt");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(freeMain, nullptr);
}

// A step fails as SDL_SetError is called, with a format; a text that is not one goes through "%s"
// and keeps its '%'. Every failure line stands at level 2.
TEST(Engine, FailLogsItsFormattedLineAtLevelTwo)
{
    LogSink log;
    EXPECT_FALSE(Fail("Couldn't load %s: %s\n", "font.bmp", "gone"));
    EXPECT_FALSE(Fail("%s", "100% of %s"));
    ASSERT_EQ(log.lines.size(), 2u) << log.All();
    EXPECT_EQ(log.lines[0].text, "Couldn't load font.bmp: gone\n");
    EXPECT_EQ(log.lines[1].text, "100% of %s");
    EXPECT_EQ(std::vector({log.lines[0].level, log.lines[1].level}), std::vector({2, 2}));
}
