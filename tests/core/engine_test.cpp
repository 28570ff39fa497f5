// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

// The engine starts once per process, so this test runs in a fresh process of its own, started anew;
// only its own line ends what that process writes (the sound layer's start may come before).
TEST(Engine, AStartWithoutItsLogFileStopsBeforeSDL)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool started =
                gEngine.Init(640, 480, false, "/nonexistent-kolvo-dir/kolvolog.txt");
            fprintf(stderr, "|%d %u %d", started, SDL_WasInit(SDL_INIT_VIDEO), freeMain != nullptr);
            _exit(0);
        },
        testing::ExitedWithCode(0),
        "Couldn't create logfile /nonexistent-kolvo-dir/kolvolog.txt\\|0 0 0$");
}
