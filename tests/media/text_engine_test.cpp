#include "media/text_engine.h"

#include "core/engine.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

// Marker runs at x 0-2 and 8-10 frame one glyph ("!") of 5 pixels at x 3-7; the second run
// touches the right edge of the 11-pixel picture.
class TextEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        ASSERT_TRUE(font.LoadFont(WriteFontPicture("one_glyph.bmp", 11, 6, {{0, 3}, {8, 3}}).c_str()));
        SDL_FillRect(gEngine.screen, nullptr, 0);
    }
    // Which of the screen columns x0..x0+n-1 on row y are lit, as '#' and '.'.
    static std::string Lit(int x0, int n, int y)
    {
        std::string lit;
        for (int x = x0; x < x0 + n; ++x)
            lit += ScreenPixel(x, y) ? '#' : '.';
        return lit;
    }
    TextEngine font;
};

TEST_F(TextEngineTest, GlyphsStartAtThePenTextIsCutAtTheEdgeAndAMissingPictureIsRefused)
{
    EXPECT_EQ(font.CharWidth(' ') + font.CharWidth('A') + font.CharWidth(200), 5);
    // Cut from source x 1 and placed at 98: the body covers 100..104, the columns under the half
    // marker runs are transparent.
    EXPECT_TRUE(font.PutString(100, 50, "!"));
    EXPECT_TRUE(font.PutString(100, 60, " !"));
    EXPECT_TRUE(font.PutString(100, 70, "A\t\xC3\xA9!"));
    EXPECT_EQ(Lit(99, 12, 51), ".#####......");
    EXPECT_EQ(Lit(99, 12, 61), "......#####.");
    EXPECT_EQ(Lit(99, 12, 71), ".#####......");

    // 255 glyphs of 5 pixels reach beyond the screen: the last visible glyph is drawn.
    EXPECT_TRUE(font.PutStringF(0, 0, "%s", std::string(1000, '!').c_str()));
    EXPECT_EQ(ScreenPixel(635, 1), 0xFFFFFFu);

    LogSink sink;
    TextEngine missing;
    EXPECT_FALSE(missing.LoadFont("no/such/font.bmp"));
    EXPECT_EQ(sink.lines.back().text.rfind("Couldn't load no/such/font.bmp: ", 0), 0u);
    EXPECT_TRUE(missing.PutString(0, 0, "!!"));
}
