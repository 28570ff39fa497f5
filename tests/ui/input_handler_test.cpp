// The event pump of the menu-style screens, fed through SDL's own queue.
#include "ui/input_handler.h"

#include "tests/support/headless.h"

#include <gtest/gtest.h>

class InputHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        DrainEvents();
        input.Init();
    }
    void TearDown() override
    {
        input.Release();
        DrainEvents();
    }
    int LastKey() const
    {
        int32_t key = -1;
        input.GetKey(&key);
        return key;
    }
    InputHandler input;
};

TEST_F(InputHandlerTest, KeepsOnlyTheLastKeyOfAPollAndForgetsItOnTheNext)
{
    PushKeyDown(SDLK_h, 'h');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(LastKey(), 104);

    // An arrow gives no character: the "h" before it in the same poll is lost.
    PushKeyDown(SDLK_h, 'h');
    PushKeyDown(SDLK_UP, 0);
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(LastKey(), 0);

    PushKeyDown(SDLK_a, 'a');
    PushKeyDown(SDLK_b, 'B');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(LastKey(), 'B');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(LastKey(), 0);
}

TEST_F(InputHandlerTest, AQuitEndsThePollAndLeavesWhatFollowsQueued)
{
    PushKeyDown(SDLK_x, 'x');
    PushQuit();
    PushKeyDown(SDLK_y, 'y');
    EXPECT_FALSE(input.Poll());

    // The key behind the quit is still there for the next poll.
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(LastKey(), 'y');
}
