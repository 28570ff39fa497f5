// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Buttons, driven by the pointer values the test gives them, and the info screen's lines.
#include "ui/button.h"
#include "ui/info_screen.h"
#include "ui/label.h"
#include "ui/pointer.h"

#include "media/sound_stream.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <algorithm>

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        const std::string picture = WritePicture("button.bmp", 242, 50, 0x00AA00);
        button.Create(MakeRect(80, 150, 242, 50));
        ASSERT_TRUE(button.LoadNormal(picture.c_str()) && button.LoadHover(picture.c_str()));
        button.SetPointer(&x, &y, &buttons);
    }
    ButtonState At(int32_t atX, int32_t atY, int32_t held = 0)
    {
        x = atX, y = atY, buttons = held;
        EXPECT_TRUE(button.Update());
        return button.GetState();
    }
    int32_t x = 0, y = 0, buttons = 0;
    Button button;
};

static int hoverPlays = 0;

// Only the inside reacts, and only the left mouse button presses; sliding off while holding lets
// go. The hover sound plays on entering and on letting go over it, not on entering held.
TEST_F(ButtonTest, FollowsThePointerOverItsInsideAndPlaysTheHoverSoundOnEveryChangeIntoHover)
{
    const std::tuple<int32_t, int32_t, int32_t, ButtonState> cases[] = {
        {80, 160, 0, BUTTON_NORMAL},
        {100, 150, 0, BUTTON_NORMAL},
        {81, 151, 0, BUTTON_HOVER},
        {321, 199, 0, BUTTON_HOVER},
        {322, 170, 0, BUTTON_NORMAL},
        {200, 200, 0, BUTTON_NORMAL},
        {200, 170, POINTER_RIGHT, BUTTON_HOVER},
        {200, 170, POINTER_LEFT | POINTER_RIGHT, BUTTON_PRESSED},
        {400, 170, POINTER_LEFT, BUTTON_NORMAL}};
    for (auto [atX, atY, held, state] : cases)
        EXPECT_EQ(At(atX, atY, held), state) << atX << ", " << atY << " held " << held;

    ASSERT_TRUE(SoundStream::Available()) << "run through ctest, which chooses the disk driver";
    ASSERT_TRUE(button.LoadHoverSound("data/sound/stonedown.wav"));
    SetHoverSoundPlay([](SoundStream&) { return ++hoverPlays, true; });  // counted, not played
    const std::tuple<int32_t, int32_t, int> steps[] = {
        {0, 0, 1},           {0, 0, 1}, {POINTER_LEFT, 0, 1}, {0, 0, 2}, {POINTER_LEFT, 200, 2},
        {POINTER_LEFT, 0, 2}};
    for (auto [held, beside, plays] : steps) {
        At(210 + beside, 175, held);
        EXPECT_EQ(hoverPlays, plays) << held << " " << beside;
    }
    EXPECT_EQ(button.GetState(), BUTTON_PRESSED);
    SetHoverSoundPlay(nullptr);
}

// The info screen; a window story (tests/e2e/menu_screens.sh) opens and leaves it from the menu.
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
