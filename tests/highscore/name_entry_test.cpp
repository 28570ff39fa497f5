// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/name_entry.h"

#include "tests/highscore/highscore_test_support.h"
#include "tests/support/fake_clock.h"

#include <algorithm>
#include <numeric>

constexpr Uint16 RETURN = 13, BACKSPACE = 8, ESCAPE = 27;

// One key a frame (unicode values) 100 ms apart, then Return. The field starts at x 120.
TEST(NameEntry, StoresWhatWasTypedUpToNineteenCharactersBehindACursorBlinkingEvery400ms)
{
    EnterFreshDirectory();
    TextEngine font;
    ASSERT_TRUE(font.LoadFont("data/grafik/font.bmp"));
    FakeClock clock;
    std::vector<Uint16> keys(20);  // A to T
    std::iota(keys.begin(), keys.end(), Uint16('A'));
    // 20th letter dropped; Backspace takes the 19th; accents, control codes, Escape change nothing.
    keys.insert(keys.end(), {BACKSPACE, 200, 0xE9, 1, ESCAPE, '!'});
    const int behind = 120 + font.CharWidth('a') + font.CharWidth('b'), hidden = -1;
    const std::vector<int> blinking = {hidden, hidden, hidden, hidden, hidden, behind, behind,
                                       behind, behind, behind, hidden, hidden, hidden};
    const struct {
        std::vector<Uint16> keys;
        size_t capacity;
        const char* name;
        std::vector<int> cursorAt;  // the cursor's x in each frame; none: not looked at
    } cases[] = {{keys, 100, "ABCDEFGHIJKLMNOPQR!", {}},
                 {{'a', 'b', 'c', 'd'}, 3, "ab", {}},  // never more than the buffer holds
                 {{}, 100, "", {}},
                 {{BACKSPACE, ' ', 'x', '~', 127}, 100, " x~", {}},  // Delete (127) is no character
                 {{'a', 'b', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 100, "ab", blinking}};
    for (auto c : cases) {
        c.keys.push_back(RETURN);
        PushKeyDown(SDLK_a, c.keys[0]);
        std::vector<int> cursorAt;
        FrameScript script([&](int frame) {
            const std::vector<Uint32> line = CaptureScreen(0, 181, SCREEN_WIDTH, 1);
            const auto green = std::find(line.begin(), line.end(), CURSOR_GREEN);
            cursorAt.push_back(green == line.end() ? hidden : int(green - line.begin()));
            clock.Advance(100);
            if (size_t(frame + 1) < c.keys.size())
                PushKeyDown(SDLK_a, c.keys[frame + 1]);
        });
        char name[100] = "junk";
        EXPECT_TRUE(GetName("Enter your name", name, c.capacity));
        EXPECT_STREQ(name, c.name);
        EXPECT_TRUE(c.cursorAt.empty() || cursorAt == c.cursorAt) << c.name;
    }
}
