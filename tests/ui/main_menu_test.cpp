// The main menu, driven frame by frame through the test's own mouse and SDL's event queue.
#include "ui/main_menu.h"

#include "tests/ui/menu_world.h"

#include <gtest/gtest.h>

#include <functional>

// Frame 0 is the "Loading..." frame, so what a step does shows in the next frame.
class MainMenuTest : public MenuWorldTest {
protected:
    int Run(std::function<void(int)> step = [](int) {}) { return RunScreen(RunMainMenu, 50, step); }
};

TEST_F(MainMenuTest, OnlyALowerCaseHOrAPointerMovedInsideAButtonChooses)
{
    EXPECT_EQ(Run([](int frame) {
                  if (frame == 0)
                      PushKeyDown(SDLK_h, 'H');
                  if (frame == 2)
                      PushKeyDown(SDLK_h, 'h');
              }),
              MENU_HIGHSCORE);
    EXPECT_EQ(frames, 4);

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
}

TEST_F(MainMenuTest, ClosingTheWindowIsAnError)
{
    PushQuit();
    EXPECT_EQ(Run(), MENU_ERROR);
    EXPECT_TRUE(log.InOrder({"Menue Called!", "Menue Ready!", "Reset point reached!", "Reset done!"})) << log.All();
}
