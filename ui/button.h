// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_BUTTON_H
#define KOLVO_UI_BUTTON_H

#include "media/sound_stream.h"
#include "media/sprite.h"

#include <SDL/SDL.h>

#include <cstdint>

enum ButtonState : Uint8 {
    BUTTON_NOT_CREATED = 0,
    BUTTON_NORMAL = 1,
    BUTTON_HOVER = 2,
    BUTTON_PRESSED = 3,  // the left mouse button is held over it; screens act on this
};

// How a button plays its hover sound once: true when the sound got a channel. Tests put their own
// here to hear the sound, or to make it fail; nullptr restores the real play.
using HoverSoundPlay = bool (*)(SoundStream& sound);
void SetHoverSoundPlay(HoverSoundPlay play);

// A rectangle with a normal and a hover picture that follows the pointer of its screen. The screen
// keeps the pointer's x, y and POINTER_ bits in three integers of its own and links the button to
// them; they must outlive the button's use. The button owns its pictures and its sound.
class Button {
public:
    Button();   // state BUTTON_NOT_CREATED; the sound stream exists, without a file
    ~Button();  // resets; the pictures and the stream go with the object
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    // Resets, then places the button at rect (pixels); state BUTTON_NORMAL.
    void Create(SDL_Rect rect);
    // Forgets the pictures, the sound, the links and the state (BUTTON_NOT_CREATED).
    void Reset();

    // Pictures, magenta transparent. False when the picture cannot be loaded.
    bool LoadNormal(const char* path);
    bool LoadHover(const char* path);
    // Kept on purpose: the button is given pointers to the screen's pointer values, which it reads
    // in Update; the screen owns them and outlives the button's use.
    void SetPointer(int32_t* x, int32_t* y, int32_t* buttons);
    // The sound played as the pointer enters. False only when sound works and the file cannot be
    // opened: on a machine without sound the button is silent.
    bool LoadHoverSound(const char* path);

    // Follows the pointer: BUTTON_PRESSED while the left button is held over it, BUTTON_HOVER over
    // it, else BUTTON_NORMAL; the hover sound plays on every change into BUTTON_HOVER. Both edges
    // of the rectangle are outside it. False when not created, not linked, or when the hover sound
    // fails to play (the state then stays as it was).
    bool Update();
    // Draws the picture of the state; the hover picture falls back to the normal one. False when
    // not created or when the blit fails.
    bool Draw();

    ButtonState GetState() const { return state; }

private:
    bool IsOver() const;

    int32_t* pointerX;
    int32_t* pointerY;
    int32_t* pointerButtons;
    Sprite normal, hover;
    bool hasNormal, hasHover;
    SDL_Rect rect;
    SoundStream hoverSound;
    bool hasHoverSound;
    ButtonState state;
};

#endif
