// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_HEADLESS_H
#define KOLVO_TESTS_HEADLESS_H

#include "core/engine.h"
#include "core/screen.h"
#include "media/text_engine.h"
#include "tests/support/scripted_input.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

// The working directory of the test program, holding the log and a link "data" to the generated
// game data; removed when the program ends.
inline std::string testDirectory;

// Starts the process-wide engine once per test program: SDL's dummy video, a 640 x 480 32-bit
// screen, and a fresh test directory. Later calls do nothing.
inline void StartHeadlessEngine()
{
    if (freeMain)
        return;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    char pattern[] = "/tmp/kolvo-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    testDirectory = pattern;
    // The engine's log stays open until the process ends; a removed file can still be written.
    atexit([] { std::filesystem::remove_all(testDirectory); });
    ASSERT_EQ(chdir(pattern), 0);
    ASSERT_EQ(symlink(KOLVO_DATA_DIR, "data"), 0);
    ASSERT_TRUE(gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "kolvolog.txt"));
    // The dummy driver's desktop is 8-bit; the game is drawn on 32-bit desktops, so test there.
    gEngine.screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, 32, SDL_SWSURFACE);
    ASSERT_NE(gEngine.screen, nullptr);
}

// StartHeadlessEngine, then both process-wide fonts from the game data.
inline void StartHeadlessGame()
{
    StartHeadlessEngine();
    ASSERT_TRUE(gWhiteFont.surface || (gWhiteFont.LoadFont("data/grafik/font.bmp") &&
                                       gOrangeFont.LoadFont("data/grafik/font_orange.bmp")));
}

// The colour of the screen pixel at (x, y) as 0xRRGGBB, and of every one inside a rectangle.
inline Uint32 ScreenPixel(int x, int y)
{
    const SDL_Surface* screen = gEngine.screen;
    Uint8 r, g, b;
    SDL_GetRGB(static_cast<const Uint32*>(screen->pixels)[y * screen->pitch / 4 + x],
               screen->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}
inline std::vector<Uint32> CaptureScreen(int x, int y, int w, int h)
{
    std::vector<Uint32> pixels;
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            pixels.push_back(ScreenPixel(column, row));
    return pixels;
}

// Runs a step after every frame while it lives, presented or kept: the frame number (0 for the
// first) lets a test script keys, events and time frame by frame.
class FrameScript {
public:
    explicit FrameScript(std::function<void(int frame)> step) : step(std::move(step))
    {
        SetFrameHook([this] { this->step(frames++); });
    }
    ~FrameScript() { SetFrameHook(nullptr); }
    FrameScript(const FrameScript&) = delete;
    FrameScript& operator=(const FrameScript&) = delete;
    int Frames() const { return frames; }

private:
    std::function<void(int)> step;
    int frames = 0;
};

#endif
