#include "tests/support/headless.h"

#include "core/engine.h"
#include "core/frame.h"
#include "media/text_engine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

static std::string testDirectory;

void StartHeadlessEngine()
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

void StartHeadlessGame()
{
    StartHeadlessEngine();
    if (gWhiteFont.surface)
        return;
    ASSERT_TRUE(gWhiteFont.LoadFont("data/grafik/font.bmp"));
    ASSERT_TRUE(gOrangeFont.LoadFont("data/grafik/font_orange.bmp"));
}

std::string TestDirectory()
{
    return testDirectory;
}

Uint32 ScreenPixel(int x, int y)
{
    SDL_Surface* screen = gEngine.screen;
    const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
    Uint32 pixel = reinterpret_cast<const Uint32*>(row)[x];
    Uint8 r, g, b;
    SDL_GetRGB(pixel, screen->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

std::vector<Uint32> CaptureScreen(int x, int y, int w, int h)
{
    std::vector<Uint32> pixels;
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column)
            pixels.push_back(ScreenPixel(column, row));
    return pixels;
}

FrameScript::FrameScript(std::function<void(int)> step) : step(std::move(step))
{
    SetFrameHook([this]() { this->step(frames++); });
}

FrameScript::~FrameScript()
{
    SetFrameHook(nullptr);
}
