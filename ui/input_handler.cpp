// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "ui/input_handler.h"

InputHandler::InputHandler() : savedUnicode(0), lastKey(0), typed{}, typedFirst(0), typedCount(0) {}

void InputHandler::Init()
{
    savedUnicode = SDL_EnableUNICODE(1);
    lastKey = 0;
    typedFirst = typedCount = 0;
}

// A key pressed with Ctrl types no character. The classic library already hands over the control
// code (Ctrl+A is 1, Ctrl+H is Backspace), SDL 1.2 over SDL 2 the plain letter: both end as the
// control code, and a character that has none (a digit, a comma) as nothing.
static int32_t TypedCharacter(const SDL_keysym& key)
{
    const int32_t c = key.unicode;
    if (!(key.mod & KMOD_CTRL) || c < ' ' || c > '~')
        return c;
    return c >= '@' ? (c & 0x1F) : 0;
}

void InputHandler::Take(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return;
    lastKey = TypedCharacter(event.key.keysym);
    KeepTyped(lastKey);
}

void InputHandler::KeepTyped(int32_t key)
{
    if (key == 0 || typedCount == INPUT_TYPED_KEYS)
        return;
    typed[(typedFirst + typedCount) % INPUT_TYPED_KEYS] = key;
    ++typedCount;
}

int32_t InputHandler::GetKey()
{
    const int32_t key = lastKey;
    lastKey = 0;
    return key;
}

int32_t InputHandler::TakeTypedKey()
{
    if (typedCount == 0)
        return 0;
    const int32_t key = typed[typedFirst];
    typedFirst = (typedFirst + 1) % INPUT_TYPED_KEYS;
    --typedCount;
    return key;
}

void InputHandler::Release()
{
    SDL_EnableUNICODE(savedUnicode);
    lastKey = 0;
    typedFirst = typedCount = 0;
}
