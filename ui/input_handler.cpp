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

void InputHandler::Take(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return;
    lastKey = event.key.keysym.unicode;
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
