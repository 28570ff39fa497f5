// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sprite.h"

#include "core/engine.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

TEST(Sprite, MagentaInAKeyedPictureShowsWhatLiesBelow)
{
    StartHeadlessEngine();
    const std::string path = WritePicture("keyed.bmp", 20, 20, 0x00FF00, 0xFF00FF, 5);
    Sprite keyed, plain;
    ASSERT_TRUE(keyed.LoadKeyed(path.c_str(), SPRITE_KEY_MAGENTA) && plain.Load(path.c_str()));
    SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 0, 255));
    ASSERT_TRUE(keyed.Draw(100, 100) && plain.Draw(200, 100));
    EXPECT_EQ((std::vector{ScreenPixel(101, 101), ScreenPixel(110, 110), ScreenPixel(201, 101)}),
              (std::vector<Uint32>{0x0000FF, 0x00FF00, 0xFF00FF}));
}
