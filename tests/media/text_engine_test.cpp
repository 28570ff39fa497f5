// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Bitmap text and the sprites under it.
#include "media/text_engine.h"

#include "core/engine.h"
#include "media/sprite.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

// Marker runs at x 0-2 and 8-10 frame one glyph ("!") of 5 pixels at x 3-7 and rows 1 to 4; its
// bottom row 5 is background. The second run touches the right edge of the 11-pixel picture.
class TextEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        ASSERT_TRUE(
            font.LoadFont(WriteFontPicture("one_glyph.bmp", 11, 6, {{0, 3}, {8, 3}}).c_str()));
        SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 0, 255));
    }
    // The screen's rows from y on, 12 columns from x 99: '#' the glyph's white, '.' the blue
    // screen, '?' anything else.
    static std::vector<std::string> Shown(int y, int rows)
    {
        std::vector<std::string> shown(rows);
        for (int row = 0; row < rows; ++row)
            for (int x = 99; x < 99 + 12; ++x)
                shown[row] += ScreenPixel(x, y + row) == 0xFFFFFF   ? '#'
                              : ScreenPixel(x, y + row) == 0x0000FF ? '.'
                                                                    : '?';
        return shown;
    }
    TextEngine font;
};

// Cut from source x 1 and row 1, placed at 98: the body covers 100..104; the columns under the half
// marker runs and the background below are transparent.
TEST_F(TextEngineTest, AGlyphStartsAtThePenAndOnlyGlyphsMoveItInA24Or16BitFont)
{
    EXPECT_EQ(font.CharWidth(' ') + font.CharWidth('A') + font.CharWidth(200), 5);
    font.PutString(100, 50, "!");
    const std::string body = ".#####......", none = "............";
    EXPECT_EQ(Shown(49, 7), (std::vector{none, body, body, body, body, none, none}));
    // A space moves the pen by the glyph's width; bytes without a glyph draw nothing and stay put.
    font.PutString(100, 60, " !");
    font.PutString(100, 70, "A\t\xC3\xA9!");
    EXPECT_EQ(Shown(61, 1)[0] + "|" + Shown(71, 1)[0], "......#####.|" + body);

    // The classic SDL 1.2 and SDL 2 widen a 16-bit picture's 5-bit colours each its own way when
    // they blit (the classic one draws white as 248); a 16-bit font draws exactly as the 24-bit one
    // of its colours on either (5 bits of 16 widen to 0x84).
    for (const Uint32 colour : {0xFFFFFFu, 0x848484u})
        for (const int bits : {24, 16}) {
            ASSERT_TRUE(font.LoadFont(
                WriteFontPicture("glyph.bmp", 11, 6, {{0, 3}, {8, 3}}, colour, bits).c_str()));
            SDL_FillRect(gEngine.screen, nullptr, 0);  // nothing of the font drawn before
            font.PutString(100, 50, "!");
            EXPECT_EQ(CaptureScreen(100, 50, 5, 4), std::vector<Uint32>(20, colour))
                << std::hex << colour << ", " << std::dec << bits << " bits";
        }
}

TEST_F(TextEngineTest, MagentaInAKeyedSpriteShowsWhatLiesBelow)
{
    const std::string path = WritePicture("keyed.bmp", 20, 20, 0x00FF00, 0xFF00FF, 5);
    Sprite keyed, plain;
    ASSERT_TRUE(keyed.LoadKeyed(path.c_str(), SPRITE_KEY_MAGENTA) && plain.Load(path.c_str()));
    ASSERT_TRUE(keyed.Draw(100, 100) && plain.Draw(200, 100));
    EXPECT_EQ((std::vector{ScreenPixel(101, 101), ScreenPixel(110, 110), ScreenPixel(201, 101)}),
              (std::vector<Uint32>{0x0000FF, 0x00FF00, 0xFF00FF}));
}
