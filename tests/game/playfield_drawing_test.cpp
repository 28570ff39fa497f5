#include "game/sidebar.h"

#include "app/globals.h"
#include "game/tumblo_engine.h"
#include "media/sprite.h"
#include "media/text_engine.h"
#include "tests/game/playfield_fixture.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/support/test_files.h"

constexpr Uint32 BACKGROUND = 0x00FF00;
constexpr Uint32 EMPTY_CELL = 0x202020;
constexpr Uint32 STONE_A = 0xFF0000;
constexpr Uint32 STONE_B = 0x0000FF;
constexpr int FIELD_X = 200;
constexpr int FIELD_Y = 10;

// A running playfield on the headless screen with three one-colour cell pictures at hand.
class PlayfieldDrawing : public PlayfieldTest {
protected:
    void SetUp() override
    {
        StartHeadlessEngine();
        PlayfieldTest::SetUp();
        ASSERT_TRUE(empty.Load(WritePicture("cell_empty.bmp", CELL_SIZE, CELL_SIZE, EMPTY_CELL).c_str()));
        ASSERT_TRUE(stoneA.Load(WritePicture("cell_a.bmp", CELL_SIZE, CELL_SIZE, STONE_A).c_str()));
        ASSERT_TRUE(stoneB.Load(WritePicture("cell_b.bmp", CELL_SIZE, CELL_SIZE, STONE_B).c_str()));
        SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 255, 0));
    }
    void AttachAll()
    {
        engine.SetGraphic(-1, &empty);
        engine.SetGraphic(0, &stoneA);
        engine.SetGraphic(1, &stoneB);
    }
    // The middle pixel of a cell of the playfield drawn at (FIELD_X, FIELD_Y).
    static Uint32 CellColour(int column, int row)
    {
        return ScreenPixel(FIELD_X + CELL_SIZE * column + CELL_SIZE / 2, FIELD_Y + CELL_SIZE * row + CELL_SIZE / 2);
    }

    Sprite empty, stoneA, stoneB;
};

static bool AnyPixelOf(Uint32 colour, int x, int y, int w, int h)
{
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            if (ScreenPixel(px, py) == colour)
                return true;
    return false;
}

TEST_F(PlayfieldDrawing, CellsShowTheirBlocksPictureAndEmptySlotsDrawNothing)
{
    BuildPlayfield(engine, {"XO........."});
    EXPECT_TRUE(engine.Draw(FIELD_X, FIELD_Y));
    EXPECT_EQ(CellColour(0, 20), BACKGROUND);
    EXPECT_TRUE(engine.DrawNext(20, 260));
    EXPECT_FALSE(AnyPixelOf(STONE_A, 0, 0, 640, 480) || AnyPixelOf(STONE_B, 0, 0, 640, 480));

    AttachAll();
    EXPECT_TRUE(engine.Draw(FIELD_X, FIELD_Y));
    EXPECT_EQ(CellColour(0, 20), STONE_A);
    EXPECT_EQ(CellColour(1, 20), STONE_B);
    EXPECT_EQ(CellColour(2, 20), EMPTY_CELL);
    EXPECT_EQ(CellColour(10, 0), EMPTY_CELL);
    EXPECT_EQ(ScreenPixel(FIELD_X + 11 * CELL_SIZE, FIELD_Y + 5), BACKGROUND) << "11 cells wide";
    EXPECT_EQ(ScreenPixel(FIELD_X + 5, FIELD_Y + 21 * CELL_SIZE), BACKGROUND) << "21 cells high";
}

TEST_F(PlayfieldDrawing, TheNextStoneShowsThePictureItWillGet)
{
    AttachAll();
    Spawn(1);
    engine.SetNextType(0);
    const Uint8 falling = engine.BlockAt(4, 0)->graphic;
    ASSERT_TRUE(engine.DrawNext(20, 260));
    const Uint32 expected = falling == 0 ? STONE_B : STONE_A;
    EXPECT_EQ(ScreenPixel(20 + 5, 260 + 5), expected);
    EXPECT_EQ(ScreenPixel(20 + CELL_SIZE + 5, 260 + CELL_SIZE + 5), expected);

    FallUntilLanded();
    clock.Advance(1);
    ASSERT_TRUE(engine.Run(0));
    EXPECT_EQ(engine.BlockAt(4, 0)->graphic, falling == 0 ? 1 : 0);
}

TEST_F(PlayfieldDrawing, AFailedBlitStopsTheGridAfterTheColumnsBeforeIt)
{
    Sprite broken;  // no picture: its blit fails
    AttachAll();
    engine.SetGraphic(0, &broken);
    engine.PlaceBlock(5, 10, 0);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(engine.Draw(FIELD_X, FIELD_Y));
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(CellColour(4, 20), EMPTY_CELL);
    EXPECT_EQ(CellColour(5, 9), EMPTY_CELL);
    EXPECT_EQ(CellColour(5, 11), BACKGROUND);
    EXPECT_EQ(CellColour(6, 0), BACKGROUND);
}

// A font of 3-pixel glyphs for every character from "!" to "z".
static void LoadTestFont(TextEngine& font)
{
    std::vector<FontRun> runs;
    for (int k = 0; k <= 'z' - '!' + 1; ++k)
        runs.push_back({4 * k, 1});
    ASSERT_TRUE(font.LoadFont(WriteFontPicture("sidebar_font.bmp", 4 * ('z' - '!' + 1) + 1, 8, runs).c_str()));
}

TEST_F(PlayfieldDrawing, TheSidebarWritesItsLinesAndLeavesTheLevelOutForMinusOne)
{
    TextEngine font;
    LoadTestFont(font);
    AttachAll();
    const int x = 20, y = 100;
    ASSERT_TRUE(DrawSidebar(x, y, SIDEBAR_NO_LEVEL, &engine, &font));
    EXPECT_FALSE(AnyPixelOf(0xFFFFFF, x, y, 100, 8)) << "no level line";
    for (int line = 1; line <= 3; ++line)
        EXPECT_TRUE(AnyPixelOf(0xFFFFFF, x, y + line * SIDEBAR_LINE_STEP, 100, 8)) << line;
    EXPECT_TRUE(AnyPixelOf(STONE_A, x, y + 160, 100, 50) || AnyPixelOf(STONE_B, x, y + 160, 100, 50));

    ASSERT_TRUE(DrawSidebar(x, y, 0, &engine, &font));
    EXPECT_TRUE(AnyPixelOf(0xFFFFFF, x, y, 100, 8)) << "level 0 is written";
    EXPECT_FALSE(DrawSidebar(x, y, 1, nullptr, &font));
    EXPECT_FALSE(DrawSidebar(x, y, 1, &engine, nullptr));
}

TEST_F(PlayfieldDrawing, AFailedNextStoneIsLoggedBySidebar)
{
    TextEngine font;
    LoadTestFont(font);
    Sprite broken;
    engine.SetGraphic(0, &broken);
    engine.SetGraphic(1, &broken);
    LogSink sink;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(DrawSidebar(20, 100, 1, &engine, &font));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sink.LevelOf("Draw Next failed!"), 2);

    engine.SetNextType(STONE_TYPES);
    EXPECT_FALSE(engine.DrawNext(20, 260));
}
