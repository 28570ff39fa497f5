// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/engine.h"

#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

#include <gtest/gtest.h>

using namespace ::testing::internal;  // capturing the console

// The process-wide engine starts only once per process: these run in this order, before every
// other test of the program.
TEST(Engine, AStartWithoutItsLogFileStopsBeforeSDL)
{
    CaptureStderr();
    EXPECT_FALSE(gEngine.Init(640, 480, false, "/nonexistent-kolvo-dir/kolvolog.txt"));
    EXPECT_EQ(GetCapturedStderr(), "Couldn't create logfile /nonexistent-kolvo-dir/kolvolog.txt");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(freeMain, nullptr);
}

TEST(Engine, AnOverlongMessageIsCutNotOverrun)
{
    StartHeadlessEngine();
    LogSink sink;
    CaptureStdout();
    gEngine.Log(2, "%s", std::string(5000, 'x').c_str());
    GetCapturedStdout();
    EXPECT_EQ(sink.lines.at(0).text.size(), size_t(LOG_MESSAGE_SIZE - 1));
}
