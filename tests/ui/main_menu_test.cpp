// The main menu, driven frame by frame through the test's own mouse and SDL's event queue.
#include "ui/main_menu.h"

#include "app/frame.h"
#include "app/program.h"
#include "media/sound_stream.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/ui/menu_world.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartMenuWorld();
        DrainEvents();
    }
    // Runs the menu with step after every flip. Frame 0 is the "Loading..." frame, so what a step
    // does shows in the next frame. A menu still open after 50 frames is closed.
    int Run(std::function<void(int)> step = [](int) {})
    {
        FrameScript script([&](int frame) {
            step(frame);
            if (frame == 50)
                PushQuit();
        });
        int result = RunMainMenu();
        frames = script.Frames();
        return result;
    }
    FakeClock clock;
    FakeMouse mouse;
    LogSink log;
    int frames = 0;
};

TEST_F(MainMenuTest, OnlyALowerCaseHOrAPointerMovedInsideAButtonChooses)
{
    const Uint32 start = clock.Now();
    EXPECT_EQ(Run([](int frame) {
                  if (frame == 0)
                      PushKeyDown(SDLK_h, 'H');
                  if (frame == 2)
                      PushKeyDown(SDLK_h, 'h');
              }),
              MENU_HIGHSCORE);
    EXPECT_EQ(frames, 4);
    EXPECT_GE(clock.Now() - start, 2 * FRAME_PACED_MS) << "idle frames are paced, not spun";

    // Pressed on the edge of a button, nothing; moved one pixel in, chosen.
    const int slides[][5] = {{80, 160, 81, 160, MENU_GAME}, {100, 200, 100, 201, MENU_CHALLENGE}};
    for (auto [fromX, fromY, toX, toY, result] : slides) {
        mouse.Click(fromX, fromY);
        EXPECT_EQ(Run([&, toX = toX, toY = toY](int frame) {
                      if (frame == 3)
                          mouse.Move(toX, toY);
                  }),
                  result);
        EXPECT_EQ(frames, 5) << "from " << fromX << ", " << fromY;
    }
}

TEST_F(MainMenuTest, APressedButtonOutranksTheKeyAndTheQuitOfItsFrame)
{
    mouse.Click(100, 280);
    PushKeyDown(SDLK_h, 'h');
    EXPECT_EQ(Run(), MENU_OPTIONS);

    mouse.Click(100, 330);
    PushQuit();
    EXPECT_EQ(Run(), MENU_INFO);
    EXPECT_EQ(frames, 2);
    // The choosing frame is shown, with the chosen button in its hover look.
    EXPECT_EQ(ScreenPixel(150, 340), LOOK_HOVER);
    EXPECT_EQ(ScreenPixel(150, 290), LOOK_NORMAL);
}

TEST_F(MainMenuTest, ClosingTheWindowIsAnErrorAndAMissingHoverSoundOneOnlyWhereSoundWorks)
{
    SDL_ShowCursor(0);
    PushQuit();
    EXPECT_EQ(Run(), MENU_ERROR);
    EXPECT_TRUE(log.InOrder({"Menue Called!", "Menue Ready!", "Reset point reached!", "Reset done!"})) << log.All();
    EXPECT_EQ(SDL_ShowCursor(-1), 0);

    log.Clear();
    ASSERT_EQ(rename("data/sound/stonedown.wav", "hidden.wav"), 0);
    PushQuit();
    EXPECT_EQ(Run(), MENU_ERROR);
    ASSERT_EQ(rename("hidden.wav", "data/sound/stonedown.wav"), 0);
    EXPECT_EQ(log.Contains("Menue Ready!"), !SoundStream::Available());
    EXPECT_EQ(log.Contains("Reset point reached!"), !SoundStream::Available());
}

TEST_F(MainMenuTest, EveryVisitGreetsAPointerRestingOnAButton)
{
    if (!SoundStream::Available())
        GTEST_SKIP() << "no sound library: buttons are silent";
    HoverSounds sounds;
    mouse.Move(200, 170);
    for (int visit = 0; visit < 2; ++visit)
        Run([](int frame) {
            if (frame == 3)
                PushQuit();
        });
    EXPECT_EQ(sounds.plays, 2);
}
