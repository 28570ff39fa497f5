#include "highscore/name_entry.h"

#include "tests/highscore/highscore_test_support.h"
#include "tests/support/headless.h"

#include <gtest/gtest.h>

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

TEST(NameEntry, KeysTypedWithinOneFrameWaitTheirTurnAndAHeldKeyDoesNotRepeat)
{
    EnterFreshDirectory();
    HoldKey(SDLK_z);
    PushKeyDown(SDLK_x, 'x');
    PushKeyDown(SDLK_LSHIFT, 0);  // gives no character, so it takes no turn
    PushKeyDown(SDLK_y, 'Y');
    FrameScript script([](int frame) {
        if (frame == 3)
            PushKeyDown(SDLK_RETURN, RETURN);
    });
    char name[100];
    EXPECT_TRUE(GetName("Enter your name", name, sizeof name));
    ReleaseAllKeys();
    EXPECT_STREQ(name, "xY");
    EXPECT_EQ(script.Frames(), 5) << "one key per frame; the frame that sees Return is still shown";

    // A whole name and its Return typed in one burst, before the first frame.
    for (const char* c = "Quick Brown Fox 42\r"; *c; ++c)
        PushKeyDown(SDLK_a, static_cast<Uint16>(*c));
    EXPECT_TRUE(GetName("Enter your name", name, sizeof name));
    EXPECT_STREQ(name, "Quick Brown Fox 42");
}
