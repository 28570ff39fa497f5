// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/info_screen.h"

#include "tests/support/headless.h"

#include <algorithm>

// Drawn in the game's own font on a screen twice as wide, the info screen leaves everything right
// of the 640 pixels black: every line it writes ends inside the screen.
TEST(InfoScreen, EveryLineEndsInsideTheScreen)
{
    StartHeadlessGame();
    SDL_Surface* const screen = gEngine.screen;
    const SDL_PixelFormat* format = screen->format;
    gEngine.screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 2 * SCREEN_WIDTH, SCREEN_HEIGHT, 32,
                                          format->Rmask, format->Gmask, format->Bmask, 0);
    PushKeyDown(SDLK_RETURN, '\r');  // leaves after one frame
    EXPECT_TRUE(InfoScreen());
    const std::vector<Uint32> beyond = CaptureScreen(SCREEN_WIDTH, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    const std::vector<Uint32> inside = CaptureScreen(0, 360, SCREEN_WIDTH, 20);
    EXPECT_EQ(std::count(beyond.begin(), beyond.end(), 0u), long(beyond.size()));
    EXPECT_LT(std::count(inside.begin(), inside.end(), 0u), long(inside.size())) << "no line drawn";
    SDL_FreeSurface(gEngine.screen);
    gEngine.screen = screen;
}
