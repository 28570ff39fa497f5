// The event pump of the menu-style screens, fed through SDL's own queue.
#include "ui/input_handler.h"

#include "tests/support/headless.h"

#include <gtest/gtest.h>

TEST(InputHandler, KeepsOnlyTheLastKeyOfAPollAndStopsAtAQuit)
{
    StartHeadlessEngine();
    DrainEvents();
    InputHandler input;
    input.Init();
    const auto lastKey = [&] {
        int32_t key = -1;
        input.GetKey(&key);
        return key;
    };
    PushKeyDown(SDLK_h, 'h');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(lastKey(), 104);
    PushKeyDown(SDLK_a, 'a');
    PushKeyDown(SDLK_b, 'B');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(lastKey(), 'B');
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(lastKey(), 0) << "forgotten on the next poll";

    // A quit ends the poll; the key behind it is still there for the next one.
    PushKeyDown(SDLK_x, 'x');
    PushQuit();
    PushKeyDown(SDLK_y, 'y');
    EXPECT_FALSE(input.Poll());
    EXPECT_TRUE(input.Poll());
    EXPECT_EQ(lastKey(), 'y');
    input.Release();
}
