// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_TEXT_ENGINE_H
#define KOLVO_MEDIA_TEXT_ENGINE_H

#include "core/owned_handles.h"

#include <SDL/SDL.h>

#include <cstdint>

// A font picture holds all glyphs side by side. Its first row marks the glyph boundaries with runs
// of magenta; glyph k (character 33 + k) lies between marker runs k and k + 1. The bottom-left
// pixel gives the transparent colour.
constexpr int TEXT_FIRST_CHAR = 33;
constexpr int TEXT_TABLE_SIZE = 512;           // two entries per marker run
constexpr int TEXT_FORMAT_SIZE = 256;          // PutStringF cuts longer texts to 255 bytes
constexpr Uint32 TEXT_NO_PIXEL = 0xFFFFFFFFu;  // GetPixel's answer for an unreadable pixel

// The raw pixel value at (x, y) in the picture's own format; TEXT_NO_PIXEL outside the picture or
// for a pixel depth other than 1 to 4 bytes. The picture must be locked if SDL requires it.
Uint32 GetPixel(SDL_Surface* picture, int x, int y);

// One bitmap font, writing left-aligned text onto the engine's screen.
class TextEngine {
public:
    TextEngine();
    TextEngine(const TextEngine&) = delete;
    TextEngine& operator=(const TextEngine&) = delete;

    // Loads the font picture and scans its marker row. False after a log line when the picture
    // cannot be loaded.
    bool LoadFont(const char* path);
    // Scans the marker row of the loaded picture into the glyph table and sets its colour key.
    // Ends the process when no picture is loaded (LoadFont never lets that happen).
    void InitFont2();

    // Writes text with the first glyph's body starting at pixel (x, y). Bytes without a glyph
    // draw nothing and do not move the pen. A glyph whose blit fails is not worth stopping for.
    void PutString(int x, int y, const char* text);
    void PutStringF(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));

    // The pen advance of one character in pixels; 0 for a byte without a glyph.
    int CharWidth(unsigned char c) const;

    // The font picture in its own format (a 16-bit one widened to 32 bits); none until LoadFont
    // succeeds.
    OwnedSurface surface;

private:
    bool HasGlyph(int k) const;
    void DrawGlyph(int k, int pen, int y);

    int32_t glyphs[TEXT_TABLE_SIZE];  // start and end (exclusive) of every marker run, in order
    int32_t height;
    int runEntries;  // table entries filled by the scan
};

// The two fonts of the program, loaded at start-up. Defined with the other process-wide objects in
// app/globals.cpp, in their order of construction.
extern TextEngine gWhiteFont;   // all ordinary text
extern TextEngine gOrangeFont;  // text set off over a playfield ("marked" in the log)

#endif
