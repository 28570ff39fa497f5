#include "highscore/name_entry.h"

#include "highscore/input_field.h"
#include "tests/highscore/highscore_test_support.h"
#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"

#include <gtest/gtest.h>

#include <cstdio>

constexpr Uint16 RETURN = 13, BACKSPACE = 8, ESCAPE = 27;

// Presses one key per frame (unicode values), then Return; returns what GetName returned.
static bool Type(std::vector<Uint16> keys, char* name, size_t capacity = 100)
{
    keys.push_back(RETURN);
    PushKeyDown(SDLK_a, keys[0]);
    FrameScript script([&](int frame) {
        if (size_t(frame + 1) < keys.size())
            PushKeyDown(SDLK_a, keys[frame + 1]);
    });
    return GetName("Enter your name", name, capacity);
}

TEST(NameEntry, StoresWhatWasTypedUpToNineteenCharacters)
{
    EnterFreshDirectory();
    std::vector<Uint16> keys;
    for (char c = 'A'; c <= 'T'; ++c)
        keys.push_back(c);
    // The 20th letter is dropped; Backspace takes the 19th; accents, control codes and Escape
    // change nothing.
    for (Uint16 key : {BACKSPACE, Uint16(200), Uint16(0xE9), Uint16(1), ESCAPE, Uint16('!')})
        keys.push_back(key);
    char name[100] = "junk";
    EXPECT_TRUE(Type(keys, name));
    EXPECT_STREQ(name, "ABCDEFGHIJKLMNOPQR!");

    EXPECT_TRUE(Type({'a', 'b', 'c', 'd'}, name, 3));
    EXPECT_STREQ(name, "ab") << "never more than the buffer holds";
    EXPECT_TRUE(Type({}, name));
    EXPECT_STREQ(name, "");
    EXPECT_TRUE(Type({BACKSPACE, ' ', 'x'}, name));
    EXPECT_STREQ(name, " x");
}

TEST(NameEntry, OneKeyPerFrameAndNoRepeatForAHeldKey)
{
    EnterFreshDirectory();
    HoldKey(SDLK_z);
    PushKeyDown(SDLK_x, 'x');
    PushKeyDown(SDLK_y, 'y');
    FrameScript script([](int frame) {
        if (frame == 3)
            PushKeyDown(SDLK_RETURN, RETURN);
    });
    char name[100];
    EXPECT_TRUE(GetName("Enter your name", name, sizeof name));
    ReleaseAllKeys();
    EXPECT_STREQ(name, "y");
    EXPECT_EQ(script.Frames(), 5) << "the frame that sees Return is still shown";
}

TEST(NameEntry, ClosingTheWindowKeepsTheTextButConfirmsNothing)
{
    EnterFreshDirectory();
    LogSink log;
    PushKeyDown(SDLK_q, 'Q');
    FrameScript script([](int) { PushQuit(); });
    char name[100] = "";
    EXPECT_FALSE(GetName("Enter your name", name, sizeof name));
    EXPECT_STREQ(name, "Q");
    EXPECT_EQ(log.LevelOf("User closed windoe!"), 2);

    remove("data/grafik/cursor.bmp");
    EXPECT_FALSE(GetName("Enter your name", name, sizeof name));
    EXPECT_TRUE(log.Contains("Init Input failed!"));
    InputField unset;
    EXPECT_FALSE(unset.Run() || unset.Draw() || unset.GetText(name, sizeof name));
}

// The cursor stands behind the text and blinks: hidden first, shown once 400 ms have passed.
TEST(NameEntry, CursorBlinksBehindTheLastCharacter)
{
    EnterFreshDirectory();
    FakeClock clock;
    std::string shown;  // per frame: '1' at x 123 (behind "!"), '2' at x 126 (behind "! "), else '.'
    PushKeyDown(SDLK_1, '!');
    FrameScript script([&](int frame) {
        shown += ScreenPixel(123, 180) == CURSOR_GREEN ? '1' : ScreenPixel(126, 180) == CURSOR_GREEN ? '2' : '.';
        clock.Advance(frame == 0 ? 400 : 1);
        if (frame == 2)
            PushKeyDown(SDLK_SPACE, ' ');  // the pattern font's space, like '!', is 3 pixels
        if (frame == 3)
            PushKeyDown(SDLK_RETURN, RETURN);
    });
    char name[100];
    EXPECT_TRUE(GetName("Enter your name", name, sizeof name));
    EXPECT_EQ(shown, "..12.");
}
