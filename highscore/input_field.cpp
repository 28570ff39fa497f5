// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "highscore/input_field.h"

#include "core/ticks.h"

#include <cstring>

InputField::InputField()
    : rect{0, 0, 0, 0}, lastToggle(0), cursorVisible(1), state(INPUT_UNSET), length(0),
      maxLength(0), keySource(nullptr)
{
}

InputField::~InputField()
{
    Reset();
}

bool InputField::Init(SDL_Rect where, Uint32 maximum, const char* cursorPath, const char* fontPath)
{
    Reset();
    if (!cursor.LoadKeyed(cursorPath, SPRITE_KEY_MAGENTA) || !font.LoadFont(fontPath))
        return false;
    text = std::make_unique<char[]>(maximum + 1);
    maxLength = maximum;
    rect = where;
    state = INPUT_IDLE;
    return true;
}

void InputField::SetKeySource(const Sint32* keyCode)
{
    keySource = keyCode;
}

// A character that does not fit is dropped without a word.
void InputField::Append(char c)
{
    if (length >= maxLength)
        return;
    text[length++] = c;
    text[length] = '\0';
}

bool InputField::Run()
{
    if (state == INPUT_UNSET)
        return false;
    state = INPUT_EDITING;
    const Sint32 key = keySource ? *keySource : 0;
    if (key == INPUT_KEY_ESCAPE) {
        state = INPUT_IDLE;  // hides the cursor for one frame; it does not leave the field
    } else if (key == INPUT_KEY_RETURN) {
        state = INPUT_CONFIRMED;
    } else if (key == INPUT_KEY_BACKSPACE) {
        if (length > 0)
            text[--length] = '\0';
    } else if (key >= INPUT_KEY_SPACE && key < INPUT_KEY_DELETE) {
        Append(static_cast<char>(key));
    }
    return true;
}

int InputField::CursorOffset() const
{
    int offset = 0;
    for (Uint32 i = 0; i < length; ++i)
        offset += font.CharWidth(static_cast<unsigned char>(text[i]));
    return offset;
}

bool InputField::Draw()
{
    if (state == INPUT_UNSET)
        return false;
    font.PutString(rect.x, rect.y, text.get());
    if (state != INPUT_EDITING)
        return true;
    // The last toggle starts at 0, so the first frame already toggles: the cursor starts hidden.
    if (Ticks() - lastToggle > INPUT_BLINK_MS) {
        lastToggle = Ticks();
        cursorVisible = !cursorVisible;
    }
    if (!cursorVisible)
        return true;
    return cursor.Draw(static_cast<Uint16>(rect.x + CursorOffset()), static_cast<Uint16>(rect.y));
}

bool InputField::GetText(char* destination, size_t capacity) const
{
    if (!text || !destination || capacity == 0)
        return false;
    const size_t copied = strnlen(text.get(), capacity - 1);
    memcpy(destination, text.get(), copied);
    destination[copied] = '\0';
    return true;
}

void InputField::Reset()
{
    text.reset();
    state = INPUT_UNSET;
    length = 0;
    maxLength = 0;
    cursorVisible = 1;
    lastToggle = 0;
    keySource = nullptr;
}
