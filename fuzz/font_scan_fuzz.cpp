// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// Feeds the font scan arbitrary pictures: any size, any pixel depth, any marker row, and then
// writes every byte value with the result, as a damaged font file would be used.
#include "core/engine.h"
#include "media/text_engine.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    char directory[] = "/tmp/kolvo-fuzz-XXXXXX";
    if (!mkdtemp(directory) || chdir(directory) != 0 ||
        !gEngine.Init(SCREEN_WIDTH, SCREEN_HEIGHT, false, "kolvolog.txt"))
        abort();
    return 0;
}

// The first four bytes choose the picture's shape; the rest are its pixels, repeated as needed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    int width = 1 + (data[0] | (data[1] & 0x03) << 8);  // up to 1024, beyond the 256 marker runs
    int height = 1 + data[2] % 32;
    int depth = 8 * (1 + data[3] % 4);
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, depth, 0, 0, 0, 0);
    if (!picture)
        return 0;
    Uint8* pixels = static_cast<Uint8*>(picture->pixels);
    size_t bytes = size_t(picture->pitch) * height, source = size - 4;
    for (size_t i = 0; i < bytes && source > 0; ++i)
        pixels[i] = data[4 + i % source];

    TextEngine font;
    font.surface.reset(picture);  // the font owns it from here
    font.InitFont2();
    char every[256];
    for (int c = 1; c < 256; ++c)
        every[c - 1] = static_cast<char>(c);
    every[255] = 0;
    font.PutString(-50, 100, every);
    int total = 0;
    for (int c = 0; c < 256; ++c)
        total += font.CharWidth(static_cast<unsigned char>(c));
    if (total < 0)
        abort();  // a scan that yields a negative advance has lost track of its marker runs
    return 0;
}
