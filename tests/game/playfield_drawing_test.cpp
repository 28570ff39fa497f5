// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/sprite.h"
#include "tests/game/playfield_fixture.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

constexpr Uint32 BACKGROUND = 0x00FF00, EMPTY_CELL = 0x202020, STONE_A = 0xFF0000,
                 STONE_B = 0x0000FF;

// The middle of a cell of the playfield drawn at (200, 10).
static Uint32 Cell(int column, int row)
{
    return ScreenPixel(211 + CELL_SIZE * column, 21 + CELL_SIZE * row);
}

// On a green screen, a slot without a picture draws nothing; then every cell shows the one-colour
// picture of its slot, and the next stone the picture it will get.
TEST_F(PlayfieldTest, EveryCellShowsThePictureOfItsSlot)
{
    StartHeadlessEngine();
    Sprite empty, stoneA, stoneB;
    for (auto [sprite, colour] :
         {std::pair{&empty, EMPTY_CELL}, {&stoneA, STONE_A}, {&stoneB, STONE_B}})
        ASSERT_TRUE(sprite->Load(WritePicture("cell.bmp", CELL_SIZE, CELL_SIZE, colour).c_str()));
    SDL_FillRect(gEngine.screen, nullptr, SDL_MapRGB(gEngine.screen->format, 0, 255, 0));
    Build({"XO........."});
    EXPECT_TRUE(engine.Draw(200, 10) && engine.DrawNext(20, 260));
    EXPECT_EQ(CaptureScreen(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT),
              std::vector<Uint32>(SCREEN_WIDTH * SCREEN_HEIGHT, BACKGROUND));

    engine.SetGraphic(-1, &empty), engine.SetGraphic(0, &stoneA), engine.SetGraphic(1, &stoneB);
    EXPECT_TRUE(engine.Draw(200, 10));
    EXPECT_EQ((std::vector{Cell(0, 20), Cell(1, 20), Cell(2, 20), Cell(10, 0), ScreenPixel(442, 15),
                           ScreenPixel(205, 472)}),
              (std::vector{STONE_A, STONE_B, EMPTY_CELL, EMPTY_CELL, BACKGROUND, BACKGROUND}));

    Spawn(1);
    engine.SetNextType(0);
    const Uint32 coming = engine.BlockAt(4, 0)->graphic == 0 ? STONE_B : STONE_A;
    ASSERT_TRUE(engine.DrawNext(20, 260));
    EXPECT_EQ((std::vector{ScreenPixel(25, 265), ScreenPixel(25 + CELL_SIZE, 265 + CELL_SIZE)}),
              (std::vector{coming, coming}));
}
