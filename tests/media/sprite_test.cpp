#include "media/sprite.h"

#include "app/globals.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

TEST(Sprite, MissingFileFailsWithSdlReasonAndDrawsNothing)
{
    StartHeadlessEngine();
    LogSink sink;
    Sprite sprite;
    EXPECT_FALSE(sprite.Load("no/such/picture.jpg"));
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[0].text, "loading sprite no/such/picture.jpg");
    EXPECT_EQ(sink.lines[0].level, 1);
    EXPECT_EQ(sink.lines[1].level, 2);
    EXPECT_EQ(sink.lines[1].text.rfind("Couldn't load no/such/picture.jpg: ", 0), 0u);
    EXPECT_GT(sink.lines[1].text.size(), std::string("Couldn't load no/such/picture.jpg: \n").size());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sprite.Draw(0, 0));
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("BlitSurface error: ", 0), 0u);
}

TEST(Sprite, KeyedPictureShowsTheBackgroundThroughMagenta)
{
    StartHeadlessEngine();
    std::string path = WritePicture("keyed.bmp", 20, 20, 0x00FF00, 0xFF00FF, 5);
    Sprite keyed, plain;
    ASSERT_TRUE(keyed.LoadKeyed(path.c_str(), SPRITE_KEY_MAGENTA));
    ASSERT_TRUE(plain.Load(path.c_str()));
    EXPECT_EQ(keyed.rect.w, 20);
    EXPECT_EQ(keyed.rect.h, 20);

    SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 0, 255));
    ASSERT_TRUE(keyed.Draw(100, 100));
    ASSERT_TRUE(plain.Draw(200, 100));
    EXPECT_EQ(ScreenPixel(101, 101), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(110, 110), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(201, 101), 0xFF00FFu);
}

TEST(Sprite, DrawPartlyOffScreenKeepsTheVisibleSize)
{
    StartHeadlessEngine();
    std::string path = WritePicture("wide.bmp", 100, 30, 0x808080);
    Sprite sprite;
    ASSERT_TRUE(sprite.Load(path.c_str()));
    ASSERT_TRUE(sprite.Draw(600, 10));
    EXPECT_EQ(sprite.rect.x, 600);
    EXPECT_EQ(sprite.rect.w, 40);
    EXPECT_EQ(sprite.rect.h, 30);
}

TEST(Sprite, LoadingAgainReplacesThePicture)
{
    StartHeadlessEngine();
    Sprite sprite;
    ASSERT_TRUE(sprite.Load(WritePicture("small.bmp", 10, 10, 0x111111).c_str()));
    ASSERT_TRUE(sprite.Load(WritePicture("large.bmp", 30, 12, 0x222222).c_str()));
    EXPECT_EQ(sprite.rect.w, 30);
    EXPECT_EQ(sprite.surface->h, 12);
    EXPECT_FALSE(sprite.Load("no/such/file.bmp"));
    EXPECT_EQ(sprite.surface, nullptr);
}
