// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_MEDIA_SPRITE_H
#define KOLVO_MEDIA_SPRITE_H

#include "core/owned_handles.h"

#include <SDL/SDL.h>

// The colour key of every transparent picture the game ships: magenta in 24- and 32-bit pictures.
constexpr Uint32 SPRITE_KEY_MAGENTA = 0xFF00FF;

// One picture in the screen's pixel format, and where it was last drawn. The sprite owns its
// surface and frees it on destruction or when a new load replaces it.
class Sprite {
public:
    Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Loads a JPEG or BMP picture and converts it to the display format. False after a log line
    // saying why; the sprite then holds no picture.
    bool Load(const char* path);
    // As Load, with every pixel of value key (in the file's own pixel format) transparent.
    bool LoadKeyed(const char* path, Uint32 key);

    // Frees the picture; the sprite then holds none.
    void Free();

    // Blits the whole picture with its top-left corner at (x, y) pixels. Afterwards rect holds the
    // visible part (SDL clips it). False, with a line on stderr, when the blit fails.
    bool Draw(Uint16 x, Uint16 y);

    OwnedSurface surface;  // none until a load succeeds
    SDL_Rect rect;         // x, y of the last draw; w, h the picture's size after a load

private:
    bool LoadFile(const char* path, bool keyed, Uint32 key);
};

#endif
