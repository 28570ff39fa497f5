// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The info screen; a window story (tests/e2e/menu_screens.sh) opens and leaves it from the menu.
#include "ui/info_screen.h"

#include "tests/support/headless.h"

#include <algorithm>

TEST(InfoScreen, EveryLineEndsInsideTheScreen)
{
    StartHeadlessGame();
    SDL_Surface* const screen = gEngine.screen;
    gEngine.screen =
        SDL_CreateRGBSurface(0, 2 * SCREEN_WIDTH, SCREEN_HEIGHT, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    PushKeyDown(SDLK_RETURN, '\r');  // leaves after one frame, drawn on a screen twice as wide
    EXPECT_TRUE(InfoScreen());
    const std::vector<Uint32> beyond = CaptureScreen(SCREEN_WIDTH, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(std::count(beyond.begin(), beyond.end(), 0u), long(beyond.size()));
    SDL_FreeSurface(gEngine.screen);
    gEngine.screen = screen;
}
