// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "media/text_engine.h"

#include "core/engine.h"
#include "media/picture_edge.h"

#include <SDL/SDL_image.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

static const char TEXT_CONTACT[] = "the Kolvo maintainers <kolvo@mossbrook.invalid>\n";

// Kept on purpose: the scan's complaints go to standard output, as they always have; the glyph
// scan never asks for such an x.
Uint32 GetPixel(SDL_Surface* picture, int x, int y)
{
    if (x < 0) {
        printf("SFONT ERROR: x too small in GetPixel. Report this to %s", TEXT_CONTACT);
        return TEXT_NO_PIXEL;
    }
    if (x >= picture->w) {
        printf("SFONT ERROR: x too big in GetPixel. Report this to %s", TEXT_CONTACT);
        return TEXT_NO_PIXEL;
    }
    if (y < 0 || y >= picture->h)
        return TEXT_NO_PIXEL;
    const SDL_PixelFormat* format = picture->format;
    const Uint8* p =
        static_cast<const Uint8*>(picture->pixels) + y * picture->pitch + x * format->BytesPerPixel;
    switch (format->BytesPerPixel) {
        case 1:
            return *p;
        case 2:
            return *reinterpret_cast<const Uint16*>(p);
        case 3:
            return SDL_MapRGB(picture->format, p[format->Rshift / 8], p[format->Gshift / 8],
                              p[format->Bshift / 8]);
        case 4:
            return *reinterpret_cast<const Uint32*>(p);
        default:
            return TEXT_NO_PIXEL;
    }
}

// One colour channel of a pixel, spread over 0 to 255 by repeating its bits below it: 5 bits of
// 31 give 255, 5 bits of 16 give 132.
static Uint32 WidenChannel(Uint32 pixel, Uint32 mask, Uint8 shift, Uint8 loss)
{
    const int bits = 8 - loss;
    const Uint32 value = (pixel & mask) >> shift;
    Uint32 wide = 0;
    for (int at = 8 - bits; bits > 0 && at > -bits; at -= bits)
        wide |= at >= 0 ? value << at : value >> -at;
    return wide & 0xFF;
}

// A 16-bit picture has fewer than 8 bits a colour, and the two SDL 1.2 libraries widen them
// differently when they blit: the classic one shifts them (white is drawn as 248, 248, 248), SDL 2
// repeats their bits (white stays white). So such a picture is widened here, once and the second
// way, to 32 bits, which both blit alike. One with an alpha channel is left as it is.
static OwnedSurface WithFullColours(OwnedSurface owned)
{
    SDL_Surface* picture = owned.get();
    const SDL_PixelFormat* format = picture->format;
    if (format->BytesPerPixel != 2 || format->Amask != 0)
        return owned;
    OwnedSurface wide(SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, 0xFF0000,
                                           0x00FF00, 0x0000FF, 0));
    if (!wide || (SDL_MUSTLOCK(picture) && SDL_LockSurface(picture) != 0))
        return owned;  // drawn as each library widens it, then
    for (int y = 0; y < picture->h; ++y) {
        Uint32* row = static_cast<Uint32*>(wide->pixels) + y * (wide->pitch / 4);
        for (int x = 0; x < picture->w; ++x) {
            const Uint32 pixel = GetPixel(picture, x, y);
            row[x] = WidenChannel(pixel, format->Rmask, format->Rshift, format->Rloss) << 16 |
                     WidenChannel(pixel, format->Gmask, format->Gshift, format->Gloss) << 8 |
                     WidenChannel(pixel, format->Bmask, format->Bshift, format->Bloss);
        }
    }
    if (SDL_MUSTLOCK(picture))
        SDL_UnlockSurface(picture);
    return wide;
}

TextEngine::TextEngine() : glyphs{}, height(0), runEntries(0) {}

bool TextEngine::LoadFont(const char* path)
{
    freeMain->Log(1, "loading Font %s", path);
    surface.reset(IMG_Load(path));
    if (!surface) {
        // Kept on purpose: these lines end in a line break of their own, as log readers know them.
        return Fail("Couldn't load %s: %s\n", path, SDL_GetError());
    }
    freeMain->Log(2, "InitFont2 %s\n", path);
    InitFont2();
    freeMain->Log(2, "Done!\n");
    return true;
}

void TextEngine::InitFont2()
{
    // Kept on purpose: standard output and the end of the process, on a branch LoadFont never
    // takes; the line is known to whoever reads the console.
    if (!surface) {
        printf("The font has not been loaded!\n");
        exit(1);
    }
    surface = WithFullColours(std::move(surface));
    SDL_Surface* picture = surface.get();
    bool locked = SDL_MUSTLOCK(picture) && SDL_LockSurface(picture) == 0;
    const Uint32 marker = SDL_MapRGB(picture->format, 255, 0, 255);
    memset(glyphs, 0, sizeof glyphs);
    runEntries = 0;
    for (int x = 0; x < picture->w && runEntries + 2 <= TEXT_TABLE_SIZE; ++x) {
        if (GetPixel(picture, x, 0) != marker)
            continue;
        glyphs[runEntries++] = x;
        while (x < picture->w - 1 && GetPixel(picture, x, 0) == marker)
            ++x;
        glyphs[runEntries++] = x;
    }
    height = picture->h;
    Uint32 transparent = GetPixel(picture, 0, height - 1);
    if (locked)
        SDL_UnlockSurface(picture);
    SetKeyColour(picture, SDL_SRCCOLORKEY, transparent);
}

// Glyph k needs both of its marker runs, k and k + 1.
bool TextEngine::HasGlyph(int k) const
{
    return k >= 0 && 2 * k + 3 < runEntries;
}

int TextEngine::CharWidth(unsigned char c) const
{
    int k = (c == ' ') ? 0 : c - TEXT_FIRST_CHAR;
    if (!HasGlyph(k))
        return 0;
    return glyphs[2 * k + 2] - glyphs[2 * k + 1];
}

// The glyph is cut from the middle of its left marker run to the middle of its right one and
// placed so that its body starts at the pen; the half runs overlap the neighbours harmlessly.
void TextEngine::DrawGlyph(int k, int pen, int y)
{
    const int start = glyphs[2 * k], end = glyphs[2 * k + 1];
    const int nextStart = glyphs[2 * k + 2], nextEnd = glyphs[2 * k + 3];
    SDL_Rect source;
    source.x = static_cast<Sint16>((start + end) / 2);
    source.y = 1;
    source.w = static_cast<Uint16>((nextStart + nextEnd) / 2 - (start + end) / 2);
    source.h = static_cast<Uint16>(height - 1);
    SDL_Rect target;
    target.x = static_cast<Sint16>(static_cast<int>(pen - (end - start) * 0.5));
    target.y = static_cast<Sint16>(y);
    target.w = source.w;
    target.h = source.h;
    SDL_BlitSurface(surface.get(), &source, freeMain->screen, &target);
}

void TextEngine::PutString(int x, int y, const char* text)
{
    int pen = x;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        int k = *c - TEXT_FIRST_CHAR;
        if (*c != ' ' && HasGlyph(k))
            DrawGlyph(k, pen, y);
        pen += CharWidth(*c);
    }
}

void TextEngine::PutStringF(int x, int y, const char* format, ...)
{
    char text[TEXT_FORMAT_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    PutString(x, y, text);
}
