// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/scaled_screen.h"

#include <algorithm>
#include <cstring>

// Pixels of three bytes are copied as what they are: three bytes.
struct Pixel24 {
    Uint8 bytes[3];
};

// Writes each pixel of one picture row `factor` times side by side.
template <typename Pixel>
static void WidenRow(const Uint8* from, Uint8* to, int pixels, int factor)
{
    const Pixel* source = reinterpret_cast<const Pixel*>(from);
    Pixel* target = reinterpret_cast<Pixel*>(to);
    for (int i = 0; i < pixels; ++i) {
        const Pixel pixel = source[i];
        for (int k = 0; k < factor; ++k)
            *target++ = pixel;
    }
}

static void WidenRowOf(int bytesPerPixel, const Uint8* from, Uint8* to, int pixels, int factor)
{
    switch (bytesPerPixel) {
        case 1:
            return WidenRow<Uint8>(from, to, pixels, factor);
        case 2:
            return WidenRow<Uint16>(from, to, pixels, factor);
        case 3:
            return WidenRow<Pixel24>(from, to, pixels, factor);
        default:
            return WidenRow<Uint32>(from, to, pixels, factor);
    }
}

bool ScaledScreen::Open(SDL_Surface* target, const ScreenFit& placement)
{
    Close();
    // Every scaled pixel is written without clipping, so a display short of the fit would be
    // written past its end.
    if (target->w < placement.displayW || target->h < placement.displayH) {
        SDL_SetError("the display is %dx%d, smaller than the %dx%d asked for", target->w, target->h,
                     placement.displayW, placement.displayH);
        return false;
    }
    const SDL_PixelFormat* format = target->format;
    picture.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, placement.pictureW, placement.pictureH,
                                       format->BitsPerPixel, format->Rmask, format->Gmask,
                                       format->Bmask, format->Amask));
    if (!picture)
        return false;
    if (format->palette)
        SDL_SetColors(picture.get(), format->palette->colors, 0, format->palette->ncolors);
    display = target;
    fit = placement;
    shown.assign(static_cast<size_t>(picture->pitch) * picture->h, 0);
    changed.assign((picture->w + TILE_W - 1) / TILE_W, false);
    whole = true;
    rectCount = 0;
    return true;
}

void ScaledScreen::Close()
{
    picture.reset();
    display = nullptr;
    rectCount = 0;
}

int ScaledScreen::Updated(const SDL_Rect** out) const
{
    *out = rects;
    return rectCount;
}

// Copies the picture's rectangle (in picture pixels) to the picture as shown and, scaled, to the
// display, and notes the display rectangle to show.
void ScaledScreen::ScaleArea(int x, int y, int w, int h)
{
    const int bytes = picture->format->BytesPerPixel;
    const int factor = fit.factor;
    const size_t rowBytes = static_cast<size_t>(w) * bytes;
    const size_t wideBytes = rowBytes * factor;
    for (int row = y; row < y + h; ++row) {
        const size_t at =
            static_cast<size_t>(row) * picture->pitch + static_cast<size_t>(x) * bytes;
        const Uint8* from = static_cast<const Uint8*>(picture->pixels) + at;
        memcpy(shown.data() + at, from, rowBytes);
        Uint8* to = static_cast<Uint8*>(display->pixels) +
                    static_cast<size_t>(fit.y + row * factor) * display->pitch +
                    static_cast<size_t>(fit.x + x * factor) * bytes;
        WidenRowOf(bytes, from, to, w, factor);
        for (int copy = 1; copy < factor; ++copy)
            memcpy(to + static_cast<size_t>(copy) * display->pitch, to, wideBytes);
    }
    if (rectCount < RECTS_MAX)
        rects[rectCount] = SDL_Rect{
            static_cast<Sint16>(fit.x + x * factor), static_cast<Sint16>(fit.y + y * factor),
            static_cast<Uint16>(w * factor), static_cast<Uint16>(h * factor)};
    ++rectCount;
}

// Compares the picture with the one shown, a band of TILE_H rows at a time, and scales each run
// of changed tiles of a band.
void ScaledScreen::ShowChangedTiles()
{
    const int bytes = picture->format->BytesPerPixel;
    const size_t tileBytes = static_cast<size_t>(TILE_W) * bytes;
    const size_t rowBytes = static_cast<size_t>(picture->w) * bytes;
    const int columns = static_cast<int>(changed.size());
    for (int band = 0; band < picture->h; band += TILE_H) {
        const int rows = std::min(TILE_H, picture->h - band);
        std::fill(changed.begin(), changed.end(), false);
        for (int row = band; row < band + rows; ++row) {
            const size_t at = static_cast<size_t>(row) * picture->pitch;
            const Uint8* now = static_cast<const Uint8*>(picture->pixels) + at;
            const Uint8* before = shown.data() + at;
            if (memcmp(now, before, rowBytes) == 0)
                continue;
            for (int column = 0; column < columns; ++column) {
                const size_t from = column * tileBytes;
                const size_t length = std::min(tileBytes, rowBytes - from);
                if (!changed[column] && memcmp(now + from, before + from, length) != 0)
                    changed[column] = true;
            }
        }
        for (int column = 0; column < columns;) {
            if (!changed[column]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns && changed[column])
                ++column;
            const int x = first * TILE_W;
            ScaleArea(x, band, std::min(column * TILE_W, picture->w) - x, rows);
        }
    }
}

int ScaledScreen::Present()
{
    rectCount = 0;
    const bool all = whole;
    if (all && SDL_FillRect(display, nullptr, 0) != 0)
        return -1;
    if (SDL_MUSTLOCK(display) && SDL_LockSurface(display) != 0)
        return -1;
    if (all)
        ScaleArea(0, 0, picture->w, picture->h);
    else
        ShowChangedTiles();
    if (SDL_MUSTLOCK(display))
        SDL_UnlockSurface(display);
    whole = false;

    if (all || rectCount > RECTS_MAX) {
        rects[0] = SDL_Rect{0, 0, static_cast<Uint16>(display->w), static_cast<Uint16>(display->h)};
        rectCount = 1;
    }
    if (rectCount > 0)
        SDL_UpdateRects(display, rectCount, rects);
    return 0;
}
