#include "tests/highscore/highscore_test_support.h"

#include "core/engine.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

constexpr int FONT_GLYPHS = 95;  // characters 33 to 127
constexpr int FONT_HEIGHT = 10;

static void Paint(SDL_Surface* picture, int x, int y, int w, int h, Uint32 colour)
{
    SDL_Rect area = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(picture, &area, SDL_MapRGB(picture->format, colour >> 16, colour >> 8, colour));
}

// Marker runs of two pixels; glyph k is 3 to 5 pixels wide, its first column the bits of its code.
static void WritePatternFont(const char* path)
{
    SDL_Surface* font = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, FONT_HEIGHT, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    int x = 0;
    for (int k = 0; k <= FONT_GLYPHS; ++k) {
        Paint(font, x, 0, 2, 1, 0xFF00FF);
        x += 2;
        for (int bit = 0; bit < 8 && k < FONT_GLYPHS; ++bit)
            if ((k + 33) >> bit & 1)
                Paint(font, x, 1 + bit, 1, 1, 0xFFFFFF);
        x += 3 + k % 3;
    }
    ASSERT_EQ(SDL_SaveBMP(font, path), 0);
    SDL_FreeSurface(font);
}

void EnterFreshDirectory()
{
    static int count = 0;
    StartHeadlessEngine();
    std::string directory = TestDirectory() + "/case" + std::to_string(++count);
    ASSERT_EQ(mkdir(directory.c_str(), 0755), 0);
    ASSERT_EQ(chdir(directory.c_str()), 0);
    ASSERT_EQ(mkdir("data", 0755) + mkdir("data/grafik", 0755), 0);
    WritePatternFont("data/grafik/font.bmp");
    WritePicture("data/grafik/cursor.bmp", 3, 8, CURSOR_GREEN);
}

std::string RunFormatTool(const std::string& arguments)
{
    std::string command = "/usr/bin/python3 " KOLVO_HIGHSCORE_FORMAT_TOOL " " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    EXPECT_TRUE(pipe && pclose(pipe) == 0) << command;
    return output;
}

std::vector<Uint32> Rendered(const std::function<void()>& draw, int x, int y, int w, int h)
{
    SDL_FillRect(gEngine.screen, nullptr, 0);
    draw();
    return CaptureScreen(x, y, w, h);
}
