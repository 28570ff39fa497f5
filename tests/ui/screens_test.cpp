// The options and info screens, driven frame by frame.
#include "ui/info_screen.h"
#include "ui/options_screen.h"

#include "media/sound_stream.h"
#include "tests/ui/menu_world.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

class ScreenTest : public MenuWorldTest {
protected:
    bool Run(bool (*screen)(), std::function<void(int)> step = [](int) {})
    {
        return RunScreen(screen, 60, step);
    }
};

TEST_F(ScreenTest, TheMusicSwitchReactsOnlyInsideItsEdges)
{
    const int points[][2] = {{200, 225}, {225, 250}, {201, 201}, {249, 249}};
    std::vector<bool> soundOn;
    mouse.Click(200, 225);
    EXPECT_TRUE(Run(OptionsScreen, [&](int frame) {
        soundOn.push_back(gSoundOn);
        if (frame < 3)
            mouse.Move(points[frame + 1][0], points[frame + 1][1]);
        clock.Advance(1000);
        if (frame == 3)
            mouse.Release(), PushKeyDown(SDLK_q, 'q');
    }));
    EXPECT_EQ(soundOn, (std::vector<bool>{true, true, false, true, true}));
}

TEST_F(ScreenTest, HoldingTheSwitchFlipsItOnlyAfterMoreThan300ms)
{
    // Frames at 0, 300, 316, 601 and 617 ms after the first switch.
    const Uint32 gaps[] = {300, 16, 285, 16};
    std::vector<bool> soundOn;
    mouse.Click(225, 225);
    EXPECT_TRUE(Run(OptionsScreen, [&](int frame) {
        soundOn.push_back(gSoundOn);
        if (frame < 4)
            clock.Advance(gaps[frame]);
        else
            mouse.Release(), PushKeyDown(SDLK_q, 'q');
    }));
    EXPECT_EQ(soundOn, (std::vector<bool>{false, false, true, true, false, false}));
}

TEST_F(ScreenTest, OptionsLeaveOnAnyCharacterKeyButNotOnArrows)
{
    EXPECT_TRUE(Run(OptionsScreen, [](int frame) {
        if (frame == 0)
            PushKeyDown(SDLK_UP), PushKeyDown(SDLK_LSHIFT);
        if (frame == 2)
            PushKeyDown(SDLK_ESCAPE, 27);
    }));
    EXPECT_EQ(frames, 4);
    EXPECT_TRUE(log.InOrder({"Options called...", "Data loaded!", "User exits!", "Release point reached!", "Return true"}));
}

TEST_F(ScreenTest, InfoLeavesOnAnyKeyOrAClosedWindowAndLogsEachOne)
{
    PushKeyDown(SDLK_UP);
    PushKeyDown(SDLK_LSHIFT);
    PushKeyDown(SDLK_a, 'a');
    EXPECT_TRUE(Run(InfoScreen));
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(log.Count("user exits!"), 3);
    EXPECT_EQ(log.LevelOf("user exits!"), 2);

    PushQuit();
    EXPECT_TRUE(Run(InfoScreen));
    EXPECT_EQ(log.LevelOf("user killed window! - exit"), 1);
}
