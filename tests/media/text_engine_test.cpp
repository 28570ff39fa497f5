#include "media/text_engine.h"

#include "app/globals.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

// Marker runs at x 0-2 and 8-10 frame one glyph ("!") of 5 pixels at x 3-7; the second run
// touches the right edge of the 11-pixel picture.
static void LoadOneGlyphFont(TextEngine& font)
{
    StartHeadlessEngine();
    std::string path = WriteFontPicture("one_glyph.bmp", 11, 6, {{0, 3}, {8, 3}});
    ASSERT_TRUE(font.LoadFont(path.c_str()));
}

static void ClearScreen()
{
    SDL_FillRect(gEngine.screen, nullptr, 0);
}

TEST(TextEngine, GlyphBodyStartsAtThePenAndAdvancesByItsSpace)
{
    TextEngine font;
    LoadOneGlyphFont(font);
    EXPECT_EQ(font.CharWidth('!'), 5);
    EXPECT_EQ(font.CharWidth(' '), 5);

    ClearScreen();
    EXPECT_TRUE(font.PutString(100, 50, "!"));
    // Cut from source x 1 (8 pixels wide) and placed at 98: the body covers 100..104, and the
    // columns under the half marker runs are transparent.
    EXPECT_EQ(ScreenPixel(99, 51), 0u);
    EXPECT_EQ(ScreenPixel(100, 51), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(104, 51), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(105, 51), 0u);
    EXPECT_EQ(ScreenPixel(100, 50 + 5), 0u) << "the picture's last row is background";

    ClearScreen();
    font.PutString(100, 50, " !");
    EXPECT_EQ(ScreenPixel(104, 51), 0u);
    EXPECT_EQ(ScreenPixel(105, 51), 0xFFFFFFu);
}

TEST(TextEngine, BytesWithoutGlyphDrawNothingAndDoNotMoveThePen)
{
    TextEngine font;
    LoadOneGlyphFont(font);
    for (int c : std::initializer_list<int>{'"', 'A', '\t', '\n', 200, 255})
        EXPECT_EQ(font.CharWidth(static_cast<unsigned char>(c)), 0) << c;

    ClearScreen();
    EXPECT_TRUE(font.PutString(100, 50, "A\t\xC3\xA9!"));
    EXPECT_EQ(ScreenPixel(100, 51), 0xFFFFFFu);
    EXPECT_TRUE(font.PutString(10, 10, ""));
}

TEST(TextEngine, GameFontWidthsAddUpToThePenTravel)
{
    StartHeadlessGame();
    const char text[] = "Score 1234 x Level: 7";
    int total = 0;
    for (const char* c = text; *c; ++c) {
        EXPECT_GT(gWhiteFont.CharWidth(*c), 0) << *c;
        total += gWhiteFont.CharWidth(*c);
    }
    // Writing the text and then one more glyph puts that glyph exactly total pixels further on.
    ClearScreen();
    std::string withMark = std::string(text) + "|";
    gWhiteFont.PutString(0, 100, withMark.c_str());
    int markX = -1;
    for (int x = total; x < total + gWhiteFont.CharWidth('|'); ++x)
        for (int y = 100; y < 100 + gWhiteFont.surface->h && markX < 0; ++y)
            if (ScreenPixel(x, y) != 0)
                markX = x;
    EXPECT_GE(markX, total);
    for (unsigned char c = 33; c < 127; ++c)
        EXPECT_GT(gOrangeFont.CharWidth(c), 0) << c;
}

TEST(TextEngine, FormattedTextIsCutNotOverrun)
{
    TextEngine font;
    LoadOneGlyphFont(font);
    std::string many(1000, '!');
    ClearScreen();
    EXPECT_TRUE(font.PutStringF(0, 0, "%s", many.c_str()));
    // 255 glyphs of 5 pixels reach x 1275, beyond the screen: the last visible glyph is drawn.
    EXPECT_EQ(ScreenPixel(635, 1), 0xFFFFFFu);
}

TEST(TextEngine, MissingPictureFailsWithTheReason)
{
    StartHeadlessEngine();
    LogSink sink;
    TextEngine font;
    EXPECT_FALSE(font.LoadFont("no/such/font.bmp"));
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[0].text, "loading Font no/such/font.bmp");
    EXPECT_EQ(sink.lines[1].text.rfind("Couldn't load no/such/font.bmp: ", 0), 0u);
    EXPECT_EQ(font.CharWidth('!'), 0);
    EXPECT_TRUE(font.PutString(0, 0, "!!"));
}

TEST(GetPixel, NeverReadsOutsideThePicture)
{
    StartHeadlessEngine();
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(GetPixel(picture, -1, 0), TEXT_NO_PIXEL);
    EXPECT_EQ(GetPixel(picture, 4, 0), TEXT_NO_PIXEL);
    EXPECT_EQ(GetPixel(picture, 0, 3), TEXT_NO_PIXEL);
    EXPECT_EQ(GetPixel(picture, 0, -1), TEXT_NO_PIXEL);
    std::string said = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("SFONT ERROR: x too small in GetPixel. Report this to "), std::string::npos);
    EXPECT_NE(said.find("SFONT ERROR: x too big in GetPixel. Report this to "), std::string::npos);
    EXPECT_EQ(GetPixel(picture, 3, 2), 0u);
    SDL_FreeSurface(picture);
}
