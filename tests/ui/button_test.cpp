// Buttons, driven by the pointer values the test gives them.
#include "ui/button.h"
#include "ui/label.h"
#include "ui/pointer.h"

#include "tests/ui/menu_world.h"

#include <gtest/gtest.h>

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartMenuWorld();
        button.Create(MakeRect(80, 150, 242, 50));
        ASSERT_TRUE(button.LoadNormal("data/grafik/menu_startgame.jpg"));
        ASSERT_TRUE(button.LoadHover("data/grafik/menu_startgame_a.jpg"));
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

TEST_F(ButtonTest, OnlyTheInsideReactsAndOnlyTheLeftButtonPresses)
{
    struct Case {
        int32_t x, y, held;
        ButtonState state;
    };
    for (Case c : {Case{80, 160, 0, BUTTON_NORMAL}, {100, 150, 0, BUTTON_NORMAL}, {81, 151, 0, BUTTON_HOVER},
                   {321, 199, 0, BUTTON_HOVER}, {322, 170, 0, BUTTON_NORMAL}, {200, 200, 0, BUTTON_NORMAL},
                   {200, 170, POINTER_RIGHT, BUTTON_HOVER}, {200, 170, POINTER_LEFT | POINTER_RIGHT, BUTTON_PRESSED},
                   {400, 170, POINTER_LEFT, BUTTON_NORMAL}})  // sliding off while holding lets go
        EXPECT_EQ(At(c.x, c.y, c.held), c.state) << c.x << ", " << c.y << " held " << c.held;
}

TEST_F(ButtonTest, TheHoverSoundPlaysOnEnteringAndOnLettingGoOverIt)
{
    if (!SoundStream::Available())
        GTEST_SKIP() << "no sound library: buttons are silent";
    ASSERT_TRUE(button.LoadHoverSound("data/sound/stonedown.wav"));
    HoverSounds sounds;
    const std::pair<int32_t, int> steps[] = {{0, 1}, {0, 1}, {POINTER_LEFT, 1}, {0, 2}};
    for (auto [held, plays] : steps) {
        At(210, 175, held);
        EXPECT_EQ(sounds.plays, plays);
    }
    // Entering with the button held presses in silence.
    At(400, 170, POINTER_LEFT);
    EXPECT_EQ(At(200, 170, POINTER_LEFT), BUTTON_PRESSED);
    EXPECT_EQ(sounds.plays, 2);
}
