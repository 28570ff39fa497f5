// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_POINTER_H
#define KOLVO_UI_POINTER_H

#include "media/sprite.h"

#include <SDL/SDL.h>

#include <cstdint>

// The button bits a Pointer reports; other mouse buttons are not reported.
constexpr int32_t POINTER_LEFT = 4;
constexpr int32_t POINTER_RIGHT = 2;

// Where the pointer reads the mouse: fills x and y in screen pixels and returns SDL's button
// mask. SDL_GetMouseState by default; tests put a mouse of their own here, since SDL's dummy
// video driver cannot be given mouse buttons. nullptr restores SDL's.
using MouseStateSource = Uint8 (*)(int* x, int* y);
void SetMouseStateSource(MouseStateSource source);

// The game's own mouse pointer, drawn in place of SDL's cursor on the menu-style screens. The
// picture's top-left corner is the hot spot.
class Pointer {
public:
    Pointer();
    Pointer(const Pointer&) = delete;
    Pointer& operator=(const Pointer&) = delete;

    // Loads the picture (magenta transparent) and hides SDL's cursor, remembering whether it was
    // shown. False when the picture cannot be loaded; the cursor is then left alone.
    bool Load(const char* path);
    // Gives SDL's cursor back the state it had before Load.
    void Unload();
    // Reads the mouse. SDL learns about the mouse while events are polled, so poll first.
    bool Update();
    // Draws the picture at the pointer's position; false when the blit fails.
    bool Draw();
    // The position in picture pixels and the POINTER_ bits, as of the last Update.
    void Get(int32_t* x, int32_t* y, int32_t* buttons) const;

private:
    int32_t x, y;
    int32_t buttons;
    int32_t savedCursor;
    Sprite picture;
};

#endif
