// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_TESTS_TEST_FILES_H
#define KOLVO_TESTS_TEST_FILES_H

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// Files that tests make in the working directory. Paths returned are as given.
inline std::string WriteTextFile(const std::string& name, const std::string& contents)
{
    std::ofstream out(name, std::ios::binary);
    out << contents;
    EXPECT_TRUE(out.good()) << name;
    return name;
}

inline std::string ReadWholeFile(const std::string& name)
{
    std::ostringstream all;
    all << std::ifstream(name, std::ios::binary).rdbuf();
    return all.str();
}

// Pictures are 24-bit; colours are 0xRRGGBB.
inline void FillArea(SDL_Surface* picture, int x, int y, int w, int h, Uint32 colour)
{
    SDL_Rect area = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(picture, &area, SDL_MapRGB(picture->format, colour >> 16, colour >> 8, colour));
}

inline SDL_Surface* NewPicture(int w, int h, Uint32 colour)
{
    SDL_Surface* picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    FillArea(picture, 0, 0, w, h, colour);
    return picture;
}

inline std::string SavePicture(SDL_Surface* picture, const std::string& name)  // and frees it
{
    EXPECT_EQ(SDL_SaveBMP(picture, name.c_str()), 0) << name;
    SDL_FreeSurface(picture);
    return name;
}

// w x h pixels of colour, with a square of another colour, side pixels wide, at the top left.
inline std::string WritePicture(const std::string& name, int w, int h, Uint32 colour,
                                Uint32 squareColour = 0, int side = 0)
{
    SDL_Surface* picture = NewPicture(w, h, colour);
    FillArea(picture, 0, 0, side, side, squareColour);
    return SavePicture(picture, name);
}

// A font picture: its marker row holds the given marker runs (first pixel, length); every glyph
// pixel of rows 1 to height - 2 is glyphColour, the rest background (black, which becomes
// transparent); saved with 24 bits, or 16.
struct FontRun {
    int start;
    int length;
};
inline std::string WriteFontPicture(const std::string& name, int width, int height,
                                    const std::vector<FontRun>& runs, Uint32 glyphColour = 0xFFFFFF,
                                    int bits = 24)
{
    SDL_Surface* picture = NewPicture(width, height, 0x000000);
    FillArea(picture, 0, 0, width, 1, 0x404040);
    for (size_t i = 0; i < runs.size(); ++i) {
        FillArea(picture, runs[i].start, 0, runs[i].length, 1, 0xFF00FF);
        const int glyphStart = runs[i].start + runs[i].length;
        if (i + 1 < runs.size())
            FillArea(picture, glyphStart, 1, runs[i + 1].start - glyphStart, height - 2,
                     glyphColour);
    }
    if (bits != 16)
        return SavePicture(picture, name);
    // SDL_SaveBMP never writes 16 bits: SDL's blit cuts the 5 bits a colour from the 8, the file
    // header (its size, where the pixels begin) and the info header (its size, the width, the
    // height, one plane, 16 bits a pixel) come before the rows, bottom up.
    const int stride = (2 * width + 3) & ~3;
    SDL_Surface* cut =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0x7C00, 0x03E0, 0x001F, 0);
    SDL_BlitSurface(picture, nullptr, cut, nullptr);
    SDL_FreeSurface(picture);
    std::string bmp(54 + size_t(stride) * height, '\0');
    const std::tuple<size_t, Uint32, int> header[] = {
        {0, 'B' | 'M' << 8, 2}, {2, Uint32(bmp.size()), 4}, {10, 54, 4}, {14, 40, 4},
        {18, Uint32(width), 4}, {22, Uint32(height), 4},    {26, 1, 2},  {28, 16, 2}};
    for (const auto& [at, value, bytes] : header)
        for (int i = 0; i < bytes; ++i)
            bmp[at + i] = char(value >> 8 * i);
    for (int y = 0; y < height; ++y)
        bmp.replace(54 + size_t(height - 1 - y) * stride, 2 * width,
                    static_cast<const char*>(cut->pixels) + y * cut->pitch, 2 * width);
    SDL_FreeSurface(cut);
    return WriteTextFile(name, bmp);
}

#endif
