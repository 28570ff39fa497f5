// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_UI_INPUT_HANDLER_H
#define KOLVO_UI_INPUT_HANDLER_H

#include <SDL/SDL.h>

#include <cstdint>

// Characters typed and not yet taken; more are dropped. At one character per frame of 8 ms it
// takes a typist half a second of keys arriving all at once to fill it.
constexpr int INPUT_TYPED_KEYS = 64;

// The typed keys of the menu-style screens (menu, options, name entry). The screen hands it every
// event of its frames; it keeps the character of the last key pressed, and every character typed,
// in order, for a screen that takes them one by one.
class InputHandler {
public:
    InputHandler();
    InputHandler(const InputHandler&) = delete;
    InputHandler& operator=(const InputHandler&) = delete;

    // Switches SDL's character translation on and remembers the previous setting.
    void Init();
    // Takes one event; only a key pressed counts.
    void Take(const SDL_Event& event);
    // The character (unicode, zero-extended) of the last key pressed since the previous call, then
    // forgets it; 0 when there was none, or when that key gives no character (arrows, shift). With
    // Ctrl held, a letter (and any of @ [ \ ] ^ _ ` { | } ~) gives its control code, Ctrl+A 1, on
    // both SDL 1.2 libraries; the other printable keys give nothing. Asked once a frame, it is the
    // frame's last key.
    int32_t GetKey();
    // The oldest character typed (over all frames) and not yet taken, or 0. Keys that give no
    // character are not kept. Several keys that reach one frame wait here for the next frames.
    int32_t TakeTypedKey();
    // Gives SDL's character translation back its setting from before Init; forgets waiting keys.
    void Release();

private:
    void KeepTyped(int32_t key);

    int32_t savedUnicode;
    int32_t lastKey;
    int32_t typed[INPUT_TYPED_KEYS];  // a ring: typedCount keys from typedFirst on
    int typedFirst;
    int typedCount;
};

#endif
