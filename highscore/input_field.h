// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_HIGHSCORE_INPUT_FIELD_H
#define KOLVO_HIGHSCORE_INPUT_FIELD_H

#include "media/sprite.h"
#include "media/text_engine.h"

#include <SDL/SDL.h>

#include <cstddef>
#include <memory>

enum InputState : Uint8 {
    INPUT_UNSET = 0,      // constructed or reset: no text, Run and Draw fail
    INPUT_IDLE = 1,       // initialised, or Escape hid the cursor for this frame
    INPUT_EDITING = 2,    // taking keys, cursor shown
    INPUT_CONFIRMED = 3,  // Return was pressed
};

// Key codes the field reacts to; the owner hands over the character of the frame's latest key
// press, 0 for none.
constexpr Sint32 INPUT_KEY_BACKSPACE = 8;
constexpr Sint32 INPUT_KEY_RETURN = 13;
constexpr Sint32 INPUT_KEY_ESCAPE = 27;
constexpr Sint32 INPUT_KEY_SPACE = 32;
// Characters from the space up to the one before Delete are taken: Delete (127) is no character a
// name holds, nor is anything beyond 7 bits.
constexpr Sint32 INPUT_KEY_DELETE = 127;
// The cursor is shown and hidden for a little over this long each.
constexpr Uint32 INPUT_BLINK_MS = 400;

// A one-line text of limited length, drawn with its own font and a blinking cursor image behind
// the last character, taking at most one character per Run.
class InputField {
public:
    InputField();
    ~InputField();
    InputField(const InputField&) = delete;
    InputField& operator=(const InputField&) = delete;

    // Resets, then loads the cursor (keyed magenta) and the font and makes room for maxLength
    // characters; the text is drawn at the rectangle's top-left corner. False when a load fails.
    bool Init(SDL_Rect rect, Uint32 maxLength, const char* cursorPath, const char* fontPath);
    // The field reads the key code there on every Run; the owner keeps it alive.
    // Kept on purpose: the field reads the screen's key value through this pointer; the screen owns
    // it and outlives the field's use.
    void SetKeySource(const Sint32* keyCode);
    // Applies the current key code. False only before Init.
    bool Run();
    // Writes the text and, while editing, the blinking cursor. False before Init or when a
    // drawing call fails.
    bool Draw();
    InputState GetState() const { return state; }
    // Copies the text, cut to capacity - 1 characters, with its zero. False, copying nothing,
    // without a text or a destination.
    bool GetText(char* destination, size_t capacity) const;
    void Reset();

private:
    void Append(char c);
    int CursorOffset() const;

    Sprite cursor;
    TextEngine font;
    SDL_Rect rect;
    Uint32 lastToggle;  // Ticks() of the latest change of cursor visibility
    Uint8 cursorVisible;
    InputState state;
    Uint32 length;
    std::unique_ptr<char[]> text;  // maxLength + 1 bytes, always zero-terminated
    Uint32 maxLength;
    const Sint32* keySource;
};

#endif
