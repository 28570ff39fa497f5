// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

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
