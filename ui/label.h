// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_LABEL_H
#define KOLVO_UI_LABEL_H

#include "media/sprite.h"

#include <SDL/SDL.h>

// An SDL rectangle of x, y, w, h pixels.
SDL_Rect MakeRect(Uint16 x, Uint16 y, Uint16 w, Uint16 h);

// A fixed picture on a menu-style screen; only the top-left corner of its rectangle is used.
class Label {
public:
    Label();
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    void Create(SDL_Rect rect);  // forgets the picture and places the label
    void Reset();                // forgets the picture; it is freed with the label
    // Magenta transparent. False when the picture cannot be loaded.
    bool LoadImage(const char* path);
    // True without a picture; otherwise false only when the blit fails.
    bool Draw();

private:
    Sprite picture;
    bool hasPicture;
    SDL_Rect rect;
};

#endif
