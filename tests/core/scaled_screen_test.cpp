// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/scaled_screen.h"

#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

// A 2x window, and desktops of several sizes: the last one too low for the picture. The menu's
// first button reacts from picture pixel (81, 151) on: at 2x from (162, 302) on. The black border
// maps to the picture's nearest edge.
TEST(ScreenFit, PlacesThePictureScaledByTheLargestWholeFactorThatFitsAndMapsTheMouseBack)
{
    const ScreenFit FITS[] = {FitWindow(640, 480, 2),           FitDesktop(640, 480, 1920, 1080),
                              FitDesktop(640, 480, 3840, 2160), FitDesktop(640, 480, 800, 600),
                              FitDesktop(640, 480, 0, 0),       FitDesktop(640, 480, 1024, 400)};
    // display width, factor, x, y; a desktop of unknown size or too low shows the picture as it is
    const std::vector<int> placed[] = {{1280, 2, 0, 0},  {1920, 2, 320, 60}, {3840, 4, 640, 120},
                                       {800, 1, 80, 60}, {640, 1, 0, 0},     {640, 1, 0, 0}};
    for (size_t i = 0; i < std::size(FITS); ++i)
        EXPECT_EQ((std::vector<int>{FITS[i].displayW, FITS[i].factor, FITS[i].x, FITS[i].y}),
                  placed[i])
            << i;
    const int rows[][5] = {// the fit, a point of the window, its picture pixel
                           {0, 161, 301, 80, 150}, {0, 162, 302, 81, 151}, {1, 321, 61, 0, 0},
                           {1, 1919, 0, 639, 0},   {2, 643, 123, 0, 0},    {3, 0, 599, 0, 479},
                           {4, 5, 6, 5, 6},        {5, 5, 6, 5, 6}};
    for (const auto& row : rows) {
        int x = row[1], y = row[2];
        FITS[row[0]].ToPicture(&x, &y);
        EXPECT_EQ(std::pair(x, y), std::pair(row[3], row[4])) << row[1] << ", " << row[2];
    }
}

// Every scaled pixel is written without clipping: a display short of the fit by one row or one
// column would be written past its end, so it is refused.
TEST(ScaledScreen, ShowsThePictureScaledAndThenOnlyTheTilesThatChangedOnADisplayLargeEnough)
{
    const ScreenFit twice = FitWindow(100, 50, 2);
    for (auto [w, h, opens] : {std::tuple{200, 100, true}, {199, 100, false}, {200, 99, false}}) {
        SDL_Surface* display = SDL_CreateRGBSurface(0, w, h, 32, 0, 0, 0, 0);
        ScaledScreen screen;
        EXPECT_EQ(screen.Open(display, twice), opens) << w << "x" << h;
        screen.Close();
        SDL_FreeSurface(display);
    }
    StartHeadlessEngine();  // SDL_UpdateRects needs SDL's video, even off screen
    for (int bits : {16, 24, 32})
        for (int f : {2, 3}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, " << f << "x");
            // A picture of no whole number of tiles at (3, 2), on a display not black yet.
            const ScreenFit fit = {100, 50, 100 * f + 6, 50 * f + 4, f, 3, 2};
            SDL_Surface* display =
                SDL_CreateRGBSurface(0, fit.displayW, fit.displayH, bits, 0, 0, 0, 0);
            memset(display->pixels, 0x5A, size_t(display->pitch) * display->h);
            ScaledScreen screen;
            ASSERT_TRUE(screen.Open(display, fit));
            SDL_Surface* picture = screen.Picture();
            const int bytes = picture->format->BytesPerPixel;
            for (int i = 0; i < picture->pitch * picture->h; ++i)
                static_cast<Uint8*>(picture->pixels)[i] = Uint8(rand());
            auto at = [bytes](SDL_Surface* s, int x, int y) {
                return static_cast<Uint8*>(s->pixels) + y * s->pitch + x * bytes;
            };
            auto shows = [&] {
                static const Uint8 black[4] = {};
                for (int y = 0; y < fit.displayH; ++y)
                    for (int x = 0; x < fit.displayW; ++x) {
                        const int px = (x - 3) / f, py = (y - 2) / f;
                        const bool in = x >= 3 && y >= 2 && px < 100 && py < 50;
                        if (memcmp(at(display, x, y), in ? at(picture, px, py) : black, bytes))
                            return false;
                    }
                return true;
            };
            auto present = [&] {
                EXPECT_EQ(screen.Present(), 0);
                const SDL_Rect* r;
                std::vector<int> shown;
                for (int i = 0, count = screen.Updated(&r); i < count; ++i)
                    shown.insert(shown.end(), {r[i].x, r[i].y, r[i].w, r[i].h});
                return shown;
            };

            EXPECT_EQ(present(), (std::vector<int>{0, 0, fit.displayW, fit.displayH}));
            EXPECT_TRUE(shows());
            EXPECT_TRUE(present().empty());
            // One pixel in the first row of the second tile, one in the last, narrow tile.
            ++*at(picture, 32, 16);
            ++*at(picture, 99, 49);
            EXPECT_EQ(present(), (std::vector<int>{3 + 32 * f, 2 + 16 * f, 32 * f, 16 * f,  //
                                                   3 + 96 * f, 2 + 48 * f, 4 * f, 2 * f}));
            EXPECT_TRUE(shows());
            // A display whose content was lost is shown whole again.
            memset(display->pixels, 0x5A, 16);
            screen.Invalidate();
            EXPECT_EQ(present().size(), 4u);
            EXPECT_TRUE(shows());
            screen.Close();
            SDL_FreeSurface(display);
        }
}
