// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sprite.h"

#include "core/engine.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

TEST(Sprite, MagentaShowsTheBackgroundTheEdgeClipsAndAMissingFileDropsThePicture)
{
    StartHeadlessEngine();
    const std::string keyedPath = WritePicture("keyed.bmp", 20, 20, 0x00FF00, 0xFF00FF, 5);
    Sprite keyed, plain, wide;
    ASSERT_TRUE(keyed.LoadKeyed(keyedPath.c_str(), SPRITE_KEY_MAGENTA) &&
                plain.Load(keyedPath.c_str()));
    ASSERT_TRUE(wide.Load(WritePicture("wide.bmp", 100, 30, 0x808080).c_str()));
    SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 0, 255));
    ASSERT_TRUE(keyed.Draw(100, 100) && plain.Draw(200, 100));
    EXPECT_EQ((std::vector{ScreenPixel(101, 101), ScreenPixel(110, 110), ScreenPixel(201, 101)}),
              (std::vector<Uint32>{0x0000FF, 0x00FF00, 0xFF00FF}));
    ASSERT_TRUE(wide.Draw(600, 10));
    EXPECT_EQ((std::vector<int>{wide.rect.x, wide.rect.w, wide.rect.h}),
              (std::vector<int>{600, 40, 30}));

    LogSink sink;
    EXPECT_FALSE(wide.Load("no/such/picture.jpg"));
    EXPECT_EQ(wide.surface, nullptr);
    EXPECT_EQ(sink.lines.back().text.rfind("Couldn't load no/such/picture.jpg: ", 0), 0u);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(wide.Draw(0, 0));
    ::testing::internal::GetCapturedStderr();
}
