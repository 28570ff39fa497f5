#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

std::string WriteTextFile(const std::string& name, const std::string& contents)
{
    std::ofstream out(name, std::ios::binary);
    out << contents;
    EXPECT_TRUE(out.good()) << name;
    return name;
}

std::string ReadWholeFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

static SDL_Surface* NewPicture(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

static void Fill(SDL_Surface* picture, int x, int y, int w, int h, Uint32 colour)
{
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_FillRect(picture, &area,
                 SDL_MapRGB(picture->format, colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF));
}

static std::string Save(SDL_Surface* picture, const std::string& name)
{
    EXPECT_EQ(SDL_SaveBMP(picture, name.c_str()), 0) << name;
    SDL_FreeSurface(picture);
    return name;
}

std::string WritePicture(const std::string& name, int w, int h, Uint32 colour, Uint32 squareColour,
                         int side)
{
    SDL_Surface* picture = NewPicture(w, h);
    Fill(picture, 0, 0, w, h, colour);
    if (side > 0)
        Fill(picture, 0, 0, side, side, squareColour);
    return Save(picture, name);
}

std::string WriteFontPicture(const std::string& name, int width, int height,
                             const std::vector<FontRun>& runs, Uint32 glyphColour)
{
    SDL_Surface* picture = NewPicture(width, height);
    Fill(picture, 0, 0, width, height, 0x000000);
    Fill(picture, 0, 0, width, 1, 0x404040);
    for (size_t i = 0; i < runs.size(); ++i) {
        Fill(picture, runs[i].start, 0, runs[i].length, 1, 0xFF00FF);
        if (i + 1 < runs.size()) {
            int glyphStart = runs[i].start + runs[i].length;
            Fill(picture, glyphStart, 1, runs[i + 1].start - glyphStart, height - 2, glyphColour);
        }
    }
    return Save(picture, name);
}
